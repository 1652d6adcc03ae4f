// Corrupted and truncated copies of the compiled test.rc: every lookup must stay inside the
// blob and nothing may crash (run under AddressSanitizer to see overreads).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "resource/cp1252.h"
#include "resource/res_reader.h"
#include "win/resource.h"

namespace {

struct Wanted {
    plat::ResId type;
    plat::ResId name;
};

std::string as_argument(const plat::ResId& id) {
    if (!id.ordinal) return plat::utf16_to_cp1252(id.name);
    std::string text = "#";
    text += std::to_string(*id.ordinal);
    return text;
}

std::vector<Wanted> every_resource(std::span<const std::byte> blob) {
    std::vector<Wanted> all;
    plat::for_each_res_entry(blob, [&](const plat::ResEntry& e) {
        if (e.type.ordinal != 0) all.push_back({e.type, e.name});
        return true;
    });
    return all;
}

// Looks everything up in a copy of exactly the given size, so any read past it is caught.
void look_up_everything(std::span<const std::byte> source, const std::vector<Wanted>& wanted,
                        const std::vector<UINT>& string_ids) {
    const std::vector<std::byte> blob(source.begin(), source.end());
    const std::byte* begin = blob.data();
    const std::byte* end = begin + blob.size();
    HINSTANCE module = plat::register_module(blob);
    for (const Wanted& w : wanted) {
        const std::string type = as_argument(w.type);
        const std::string name = as_argument(w.name);
        HRSRC found = FindResourceA(module, name.c_str(), type.c_str());
        if (!found) continue;
        const auto* data = static_cast<const std::byte*>(LockResource(LoadResource(module, found)));
        const DWORD size = SizeofResource(module, found);
        ASSERT_TRUE(data >= begin && data <= end && size <= static_cast<std::size_t>(end - data));
        const std::span<const std::byte> bytes(data, size);
        plat::decode_accelerators(bytes);
        if (auto group = plat::decode_icon_group(bytes))
            for (const auto& e : group->entries)
                FindResourceA(module, MAKEINTRESOURCEA(e.id), RT_ICON);
    }
    char text[32];
    for (UINT id : string_ids) {
        const int length = LoadStringA(module, id, text, sizeof text);
        ASSERT_TRUE(length >= 0 && length < static_cast<int>(sizeof text));
        ASSERT_EQ(text[length], '\0');
    }
    plat::unregister_module(module);
}

class CorruptedRes : public testing::Test {
protected:
    void SetUp() override {
        const auto bytes = plat::module_bytes(plat::default_module());
        original.assign(bytes.begin(), bytes.end());
        wanted = every_resource(original);
        ASSERT_GE(wanted.size(), 15u);
        for (const Wanted& w : wanted)
            if (w.type.ordinal == 6 && w.name.ordinal)
                for (UINT i = 0; i < 16; ++i)
                    string_ids.push_back((*w.name.ordinal - 1) * 16 + i);
        ASSERT_FALSE(string_ids.empty());
    }

    std::vector<std::byte> original;
    std::vector<Wanted> wanted;
    std::vector<UINT> string_ids; // every slot of the string blocks present
};

TEST_F(CorruptedRes, SingleByteFlipsNeverCrash) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::size_t> offset(0, original.size() - 1);
    std::uniform_int_distribution<int> mask(1, 255);
    std::vector<std::byte> copy = original;
    for (int i = 0; i < 800; ++i) {
        const std::size_t at = offset(random);
        const auto flip = static_cast<std::byte>(mask(random));
        copy[at] ^= flip;
        look_up_everything(copy, wanted, string_ids);
        if (HasFatalFailure()) return;
        copy[at] ^= flip;
    }
}

TEST_F(CorruptedRes, EveryTruncationNeverCrashes) {
    for (std::size_t length = 0; length < original.size(); ++length) {
        look_up_everything(std::span(original).first(length), wanted, string_ids);
        if (HasFatalFailure()) return;
    }
}

TEST_F(CorruptedRes, TheUncorruptedBlobFindsEverything) {
    HINSTANCE module = plat::register_module(original);
    for (const Wanted& w : wanted) {
        EXPECT_NE(FindResourceA(module, as_argument(w.name).c_str(), as_argument(w.type).c_str()),
                  nullptr)
            << as_argument(w.type) << " " << as_argument(w.name);
    }
    plat::unregister_module(module);
}

} // namespace
