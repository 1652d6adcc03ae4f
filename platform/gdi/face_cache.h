// fontconfig's answers kept between runs. Loading fontconfig's configuration and caches is the
// largest part of a program's start-up otherwise, and a program asks the same few questions
// every time. An answer holds while nothing fontconfig reads has changed since it was written:
// the file starts with a stamp of those things (configuration files and folders, fontconfig's
// cache folders, the font folders, the variables that move them), and a different stamp drops
// every answer.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace plat {

struct FaceQuery {
    std::string family;
    bool bold = false;
    bool italic = false;
};

struct FaceFile {
    std::string path;
    int index = 0;
    std::string family;
};

struct FaceAnswer {
    FaceQuery query;
    FaceFile face;
};

// The cache file's text, and the answers read back from it; nothing when the stamp differs or
// the text is not such a file.
std::string format_face_cache(const std::string& stamp, const std::vector<FaceAnswer>& answers);
std::vector<FaceAnswer> parse_face_cache(const std::string& text, const std::string& stamp);

// The state of what fontconfig reads, as one line.
std::string fontconfig_stamp();

// $XDG_CACHE_HOME/tessaramond/faces, or under $HOME/.cache; empty when neither is set.
std::string face_cache_path();

class FaceCache {
public:
    // Reads the file at `path` (empty: no file) if its stamp is `stamp`.
    FaceCache(std::string path, std::string stamp);

    std::optional<FaceFile> find(const FaceQuery& query) const;
    // Adds or replaces an answer and writes the file again with `stamp`, which is taken after
    // fontconfig has run (it may have brought its own caches up to date).
    void remember(const FaceQuery& query, const FaceFile& face, const std::string& stamp);
    // An answer whose face could not be opened.
    void forget(const FaceQuery& query);

private:
    std::string path_;
    std::vector<FaceAnswer> answers_;
};

} // namespace plat
