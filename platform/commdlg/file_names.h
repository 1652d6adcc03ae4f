// The file dialogs' handling of names, apart from any window: filters, typed names and paths,
// default extensions, and the result the caller's buffer receives.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace plat {

struct FileFilter {
    std::string description;
    std::vector<std::string> patterns; // each of the ';'-separated list, blanks trimmed
};

// lpstrFilter: description and pattern strings, each NUL-terminated, the list ended by an empty
// string. A description without its pattern is dropped; nothing beyond maxBytes is read.
std::vector<FileFilter> parse_filters(const char* filter, std::size_t maxBytes = 32768);

// A ';'-separated pattern list, blanks around each pattern trimmed, empty ones dropped.
std::vector<std::string> split_patterns(std::string_view list);

bool has_wildcards(std::string_view text);
bool matches_any(const std::vector<std::string>& patterns, std::string_view name);

// The extension a filter gives names typed without one: that of its first pattern when it is a
// plain "*.ext"; empty for "*.*", "*" and patterns with wildcards in the extension.
std::string filter_extension(const FileFilter& filter);

// Lexically normal absolute path: no "." or ".." parts, no doubled or trailing '/' (but "/").
std::string normalise_path(std::string_view absolute);
// A typed name taken relative to dir unless it is absolute.
std::string resolve_path(const std::string& dir, std::string_view typed);
// The directory part ("/" for the root's entries) and the last part.
std::string directory_part(const std::string& path);
std::string name_part(const std::string& path);
std::string join_path(const std::string& dir, std::string_view name);

// Where the last part's extension begins (after its dot), npos when it has none. A leading dot
// marks a hidden name, not an extension; a trailing dot is an empty extension.
std::size_t extension_offset(std::string_view path);

// A typed path with the default extension added when its last part has none: lpstrDefExt's first
// three characters, or with an empty lpstrDefExt the chosen filter's extension; nothing without
// a default extension.
std::string with_default_extension(const std::string& path, const char* defaultExtension,
                                   const std::string& filterExtension);

// Whether a file-system path could name something: no part longer than NAME_MAX, the whole
// shorter than PATH_MAX, not empty.
bool valid_path(std::string_view path);

// The names typed into the name field: several when quoted ("a" "b"), else the text itself
// with surrounding blanks removed.
std::vector<std::string> split_typed_names(std::string_view text);
// The reverse, for showing a multiple selection in the name field.
std::string quote_names(const std::vector<std::string>& names);

// The bytes lpstrFile receives and the offsets that describe them.
struct FileResult {
    std::string bytes; // including every terminating NUL
    WORD fileOffset = 0;
    WORD extensionOffset = 0;
};

// One chosen file: its path, NUL-terminated; a second NUL when several could have been chosen,
// so that the list a multiple-selection caller reads ends as it expects.
FileResult single_file_result(const std::string& path, bool multipleAllowed);
// Several files of one directory: the directory, then each name, separated by `separator` (NUL
// for the explorer style, a blank for the old one), two NULs at the end.
FileResult multiple_file_result(const std::string& dir, const std::vector<std::string>& names,
                                char separator);

// Copies the result into the caller's buffer; when it does not fit, the size it needs goes into
// the buffer's first two bytes (as far as there are two) and the answer is false.
bool store_result(const FileResult& result, char* buffer, DWORD size);

} // namespace plat
