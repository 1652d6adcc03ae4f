// Resource blobs that are no resource files: registering one is harmless, and nothing can be
// found in it. (The reader's own bounds are fuzzed apart; this is the public entry.)
#include "public/program_resources.h"

#include <cstdint>
#include <random>
#include <vector>

#include <windows.h>

#include "support/state_snapshot.h"

namespace {

std::vector<std::byte> bytes(std::initializer_list<int> values) {
    std::vector<std::byte> b;
    for (int v : values)
        b.push_back(static_cast<std::byte>(v));
    return b;
}

TEST(BadResourceInput, BlobsThatAreNoResourceFilesHoldNothing) {
    std::vector<std::byte> noise(4096);
    std::mt19937 rng(19);
    for (std::byte& b : noise)
        b = static_cast<std::byte>(rng());
    // The 32-byte empty entry and then an entry whose data size runs past the end.
    std::vector<std::byte> truncated =
        bytes({0,    0,    0,    0,    32, 0, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0xFF, 0, 0,
               0,    0,    0,    0,    0,  0, 0, 0, 0,    0,    0, 0, 0,    0,    0, 0,
               0xFF, 0xFF, 0xFF, 0x7F, 32, 0, 0, 0, 0xFF, 0xFF, 4, 0, 0xFF, 0xFF, 1, 0});
    truncated.resize(64);
    const struct {
        const char* what;
        std::span<const std::byte> blob;
    } rows[] = {
        {"no bytes", {}},
        {"three bytes", std::span(noise).first(3)},
        {"random bytes", noise},
        {"an entry cut short", truncated},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        const testsupport::StateSnapshot before = testsupport::StateSnapshot::take();
        tess::register_program_resources(r.blob);
        const HINSTANCE module = plat::default_module();
        EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(1), RT_MENU), nullptr);
        EXPECT_EQ(FindResourceA(module, MAKEINTRESOURCEA(1), RT_RCDATA), nullptr);
        EXPECT_EQ(LoadMenuA(module, MAKEINTRESOURCEA(1)), nullptr);
        char text[16] = "unchanged";
        EXPECT_EQ(LoadStringA(module, 1, text, sizeof text), 0);
        plat::unregister_module(module);
        EXPECT_EQ(differences(before, testsupport::StateSnapshot::take()), "");
    }
}

} // namespace
