// Splits a compiled .res into seed files: res_seed_split <file.res> <seed root> <prefix>.
// The whole blob goes to res_reader/, and each resource of a kind one of the fuzz targets reads
// goes to that target's folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resource/res_reader.h"

namespace {

const char* folder_for(const plat::ResEntry& entry) {
    if (!entry.type.ordinal) return nullptr;
    switch (*entry.type.ordinal) {
    case 4:
        return "menu_template";
    case 5:
        return "dialog_template";
    case 9:
        return "accelerators";
    case 10:
        return "dialog_extra"; // the extra information travels as raw data
    default:
        return nullptr;
    }
}

bool write_file(const std::filesystem::path& path, const std::byte* data, std::size_t size) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: res_seed_split <file.res> <seed root> <prefix>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::vector<char> chars{std::istreambuf_iterator<char>(in), {}};
    const std::span<const std::byte> blob(reinterpret_cast<const std::byte*>(chars.data()),
                                          chars.size());
    const std::filesystem::path root = argv[2];
    const std::string prefix = argv[3];
    bool ok = write_file(root / "res_reader" / (prefix + ".res"), blob.data(), blob.size());
    int n = 0;
    const bool wellFormed = plat::for_each_res_entry(blob, [&](const plat::ResEntry& entry) {
        if (const char* folder = folder_for(entry))
            ok = write_file(root / folder / (prefix + "_" + std::to_string(++n)), entry.data.data(),
                            entry.data.size()) &&
                 ok;
        return true;
    });
    if (!wellFormed || !ok) {
        std::fprintf(stderr, "res_seed_split: cannot split %s\n", argv[1]);
        return 1;
    }
    return 0;
}
