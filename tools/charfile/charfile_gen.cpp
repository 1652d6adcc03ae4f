// Writes the built-in stroke set as a character file: charfile_gen OUTPUT [--eight-bit].
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "charfile_writer.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--eight-bit") != 0)) {
        std::fprintf(stderr, "usage: %s OUTPUT [--eight-bit]\n", argv[0]);
        return 2;
    }
    const std::string bytes = charfile::build(charfile::standard_font(argc == 3));
    const std::string target = argv[1];
    const std::string temp = target + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], temp.c_str());
            std::remove(temp.c_str());
            return 1;
        }
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        std::fprintf(stderr, "%s: cannot rename %s to %s\n", argv[0], temp.c_str(), target.c_str());
        std::remove(temp.c_str());
        return 1;
    }
    return 0;
}
