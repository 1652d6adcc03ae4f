// The directory the demo's file dialogs are confined to, and what it may hold: the files put
// there beforehand as they were, and result files the demo wrote, each whole.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace monkey {

// Ten lines " x y" that the demo's own reader takes back.
bool whole_result_file(const std::string& text);

struct SandboxCheck {
    int files = 0;   // regular files looked at
    int written = 0; // whole result files that are not an untouched seed
    std::vector<std::string> faults;
};

class Sandbox {
public:
    // Made inside parent, with seeds (relative path, bytes) written into it.
    Sandbox(const std::filesystem::path& parent, std::map<std::string, std::string> seeds);

    const std::filesystem::path& path() const { return path_; }
    // Whether a directory as the file dialog shows it lies inside.
    bool holds(const std::string& directory) const;
    SandboxCheck check() const;

private:
    std::filesystem::path path_; // canonical, as the dialog shows directories
    std::map<std::string, std::string> seeds_;
};

} // namespace monkey
