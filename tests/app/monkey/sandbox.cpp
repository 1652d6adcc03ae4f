#include "sandbox.h"

#include <fstream>
#include <sstream>

#include "result_file.h"
#include "support/temp_dir.h"

namespace monkey {

namespace fs = std::filesystem;

bool whole_result_file(const std::string& text) {
    std::istringstream in(text);
    formaldrix::Points xs{}, ys{};
    if (formaldrix::read_results(in, xs, ys) != formaldrix::FileError::None) return false;
    // Nothing cut off and nothing after: ten complete lines of two values each.
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        std::istringstream values(line);
        std::string x, y, more;
        if (line.empty() || line[0] != ' ' || !(values >> x >> y) || (values >> more)) return false;
        ++count;
    }
    return count == formaldrix::PointCount && text.back() == '\n';
}

Sandbox::Sandbox(const fs::path& parent, std::map<std::string, std::string> seeds)
    : seeds_(std::move(seeds)) {
    fs::create_directories(parent / "sandbox");
    path_ = fs::canonical(parent / "sandbox");
    for (const auto& [name, bytes] : seeds_) {
        const fs::path p = path_ / name;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
}

bool Sandbox::holds(const std::string& directory) const {
    const std::string root = path_.string();
    return directory == root ||
           (directory.size() > root.size() && directory.compare(0, root.size(), root) == 0 &&
            directory[root.size()] == '/');
}

SandboxCheck Sandbox::check() const {
    SandboxCheck c;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        if (it->is_directory()) continue;
        const std::string name = fs::relative(it->path(), path_).generic_string();
        if (!it->is_regular_file()) {
            c.faults.push_back(name + ": not a regular file");
            continue;
        }
        ++c.files;
        const std::string text = testsupport::read_all(it->path().string());
        if (const auto seed = seeds_.find(name); seed != seeds_.end() && seed->second == text)
            continue;
        if (it->path().filename().string().starts_with('.') &&
            name.find(".tmp") != std::string::npos)
            c.faults.push_back(name + ": a temporary file left behind");
        else if (!whole_result_file(text))
            c.faults.push_back(name + ": not a whole result file (" + std::to_string(text.size()) +
                               " bytes)");
        else
            ++c.written;
    }
    if (ec) c.faults.push_back("the directory cannot be listed: " + ec.message());
    return c;
}

} // namespace monkey
