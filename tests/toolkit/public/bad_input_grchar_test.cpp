// Bad arguments to the routines of grchar.h: names that open no file record the raw file
// routines' error and status and leave the character set alone; a name longer than the name
// store loads the set as its first 160 characters would; probing again changes nothing. Short
// and oversized files are in charset_select_test.cpp (PrimaryLengthLimitAndShortFiles).
#include <cerrno>
#include <cstdint>
#include <string>

#include "graphics/charset_load.h"
#include "support/equivalent_calls.h"
#include "toolkit/graphics/draw_fixture.h"
#include "toolkit/graphics/graphics_parts.h"

namespace {

using Row = testsupport::EquivalentCall;

// A seven-bit set: primary length, two cell values, 95 offsets, then the stroke bytes.
std::string small_set() {
    std::string bytes;
    auto le32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(v >> (8 * i) & 0xFF));
    };
    const std::uint32_t primary = 10;
    le32(primary);
    le32(6);
    le32(8);
    for (int i = 0; i < 95; ++i)
        le32(0);
    bytes.append(primary, 'u');
    return bytes;
}

class BadInputGrChar : public drawtest::Drawing {
protected:
    void start() {
        IGrCharSet("H");
        tess::error_record().file_status = 77;
        tess::error_record().dialog_status = 88;
    }
};

TEST_F(BadInputGrChar, ErrorNumberAndNothingElse) {
    open();
    const std::string tooLong(300, 'x');
    const std::string longName = std::string(200, 'n') + ".chr";
    const std::string storeName = longName.substr(0, tess::CharNameLength);
    dir.write(longName, small_set());
    dir.write(storeName, small_set());
    const Row rows[] = {
        {"missing file", [] { tess::xxrset_("nosuch.chr"); }, 1, [] { xxsetfilestatus_(ENOENT); }},
        {"blank name", [] { tess::xxrset_("    "); }, 1, [] { xxsetfilestatus_(0); }},
        {"empty name", [] { tess::xxrset_(""); }, 1, [] { xxsetfilestatus_(0); }},
        // The raw file routines cut the name to their limit; no file has that name either.
        {"name over the file routines' limit", [&] { tess::xxrset_(tooLong); }, 1,
         [] { xxsetfilestatus_(ENOENT); }},
        {"name longer than the name store", [&] { tess::xxrset_(longName); }, 0,
         [&] { tess::xxrset_(storeName); }},
        {"probe again", [] { tess::xxcharprobe_(); }, 0, nullptr},
        {"probe afresh without the files",
         [] {
             tess::graphics_process().probed = false;
             tess::xxcharprobe_();
         },
         0, nullptr},
    };
    testsupport::expect_equivalent([this] { start(); }, rows, grtest::add_graphics_parts,
                                   grtest::DriverHandles);
}

} // namespace
