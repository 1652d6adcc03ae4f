// Finding the resources of test.rc through the module API.
#include <gtest/gtest.h>

#include <string>

#include "test_ids.h"
#include "win/resource.h"

namespace {

struct Lookup {
    const char* label;
    LPCSTR type;
    LPCSTR name;
};

class EveryKind : public testing::TestWithParam<Lookup> {};

TEST_P(EveryKind, IsFoundInTheDefaultAndTheExplicitModule) {
    const Lookup& l = GetParam();
    HRSRC found = FindResourceA(nullptr, l.name, l.type);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(FindResourceA(plat::default_module(), l.name, l.type), found);
    HGLOBAL data = LoadResource(nullptr, found);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(LockResource(data), data);
    EXPECT_GT(SizeofResource(nullptr, found), 0u);
    EXPECT_EQ(FreeResource(data), FALSE);
}

INSTANTIATE_TEST_SUITE_P(
    TestRc, EveryKind,
    testing::Values(Lookup{"DialogByNumber", RT_DIALOG, MAKEINTRESOURCEA(IDD_ABOUT)},
                    Lookup{"DialogExByName", RT_DIALOG, "Options"},
                    Lookup{"MenuByNumber", RT_MENU, MAKEINTRESOURCEA(IDM_MAIN)},
                    Lookup{"MenuByName", RT_MENU, "Popup"},
                    Lookup{"AcceleratorsByNumber", RT_ACCELERATOR, MAKEINTRESOURCEA(IDA_MAIN)},
                    Lookup{"AcceleratorsByName", RT_ACCELERATOR, "Shortcuts"},
                    Lookup{"RcdataByNumber", RT_RCDATA, MAKEINTRESOURCEA(IDR_TABLE)},
                    Lookup{"RcdataByName", RT_RCDATA, "ControlInfo"},
                    Lookup{"BitmapByNumber", RT_BITMAP, MAKEINTRESOURCEA(IDB_LOGO)},
                    Lookup{"BitmapByName", RT_BITMAP, "Banner"},
                    Lookup{"IconGroupByNumber", RT_GROUP_ICON, MAKEINTRESOURCEA(IDI_APP)},
                    Lookup{"IconGroupByName", RT_GROUP_ICON, "AppIcon"},
                    Lookup{"StringBlock", RT_STRING, MAKEINTRESOURCEA(IDS_SIZE / 16 + 1)},
                    Lookup{"CustomTypeByName", "BLOB", "Payload"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(FindResourceA, NamesIgnoreCaseAndHashNumbersAreOrdinals) {
    HRSRC named = FindResourceA(nullptr, "ControlInfo", RT_RCDATA);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "controlinfo", RT_RCDATA), named);
    EXPECT_EQ(FindResourceA(nullptr, "CONTROLINFO", "#10"), named);
    EXPECT_EQ(FindResourceA(nullptr, "payload", "blob"), FindResourceA(nullptr, "Payload", "BLOB"));

    HRSRC numbered = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_TABLE), RT_RCDATA);
    ASSERT_NE(numbered, nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "#400", RT_RCDATA), numbered);
    EXPECT_NE(numbered, named);
}

TEST(FindResourceA, MissesGiveNull) {
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_ABOUT), RT_MENU), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_ABOUT + 1), RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "Options2", RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "Option", RT_DIALOG), nullptr);
    // "#" followed by anything but a 16-bit number is a name, and there is no such name.
    EXPECT_EQ(FindResourceA(nullptr, "#4x0", RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "#65936", RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, nullptr, RT_RCDATA), nullptr);

    int not_a_module = 0;
    auto* bogus = reinterpret_cast<HMODULE>(&not_a_module);
    EXPECT_EQ(FindResourceA(bogus, MAKEINTRESOURCEA(IDR_TABLE), RT_RCDATA), nullptr);
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_TABLE), RT_RCDATA);
    EXPECT_EQ(LoadResource(bogus, found), nullptr);
    EXPECT_EQ(SizeofResource(bogus, found), 0u);
    EXPECT_EQ(LoadResource(nullptr, reinterpret_cast<HRSRC>(&not_a_module)), nullptr);
}

TEST(Modules, TheLastRegisteredIsTheDefaultUntilUnregistered) {
    HINSTANCE program = plat::default_module();
    ASSERT_NE(program, nullptr);
    ASSERT_FALSE(plat::module_bytes(program).empty());

    const auto copy = plat::module_bytes(program);
    std::vector<std::byte> bytes(copy.begin(), copy.end());
    HINSTANCE second = plat::register_module(bytes);
    EXPECT_NE(second, program);
    EXPECT_EQ(plat::default_module(), second);
    HRSRC there = FindResourceA(nullptr, "Popup", RT_MENU);
    ASSERT_NE(there, nullptr);
    const auto* data = static_cast<const std::byte*>(LockResource(LoadResource(second, there)));
    EXPECT_TRUE(data >= bytes.data() && data < bytes.data() + bytes.size());
    EXPECT_NE(there, FindResourceA(program, "Popup", RT_MENU));

    plat::unregister_module(second);
    EXPECT_EQ(plat::default_module(), program);
    EXPECT_EQ(LoadResource(second, there), nullptr);
    EXPECT_TRUE(plat::module_bytes(second).empty());
}

} // namespace
