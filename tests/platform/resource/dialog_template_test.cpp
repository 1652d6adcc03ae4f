// Dialog templates of both formats through the parser: hand-built ones for every field and
// case, the resource compiler's own for real input, and every prefix and many corruptions of
// them for refusal without overreads (run under AddressSanitizer).
#include <gtest/gtest.h>

#include <random>

#include <windows.h>

#include "platform/resource/dialog_builder.h"
#include "platform/resource/test_ids.h"
#include "resource/dialog_template.h"

namespace {

using plat::ControlKind;
using plat::parse_dialog_template;

std::span<const std::byte> resource(LPCSTR name) {
    const auto bytes = plat::resource_bytes(nullptr, name, RT_DIALOG);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(std::span<const std::byte>{});
}

dlgtest::Dialog every_field(bool extended) {
    dlgtest::Dialog d;
    d.extended = extended;
    d.style = 0x80C80080; // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
    d.exStyle = 0x00000008;
    d.x = -5;
    d.y = 7;
    d.cx = 220;
    d.cy = 110;
    d.menu = dlgtest::NameOrOrdinal::number(200);
    d.windowClass = "OwnClass";
    d.title = "Gr\xf6\xdf"
              "e";
    d.hasFont = true;
    d.font = {9, 700, 1, 0, "MS Sans Serif"};
    d.helpId = 77;
    dlgtest::Item button;
    button.id = 1;
    button.x = 4;
    button.y = 5;
    button.cx = 50;
    button.cy = 14;
    button.title = "&OK";
    button.helpId = 12;
    dlgtest::Item icon;
    icon.id = 2;
    icon.windowClass = dlgtest::NameOrOrdinal::number(0x82);
    icon.title = dlgtest::NameOrOrdinal::number(600);
    icon.data = {1, 2, 3};
    dlgtest::Item named;
    named.id = 3;
    named.windowClass = "msctls_trackbar32";
    named.title = "";
    d.items = {button, icon, named};
    return d;
}

TEST(DialogTemplate, EveryFieldInBothFormats) {
    for (bool extended : {false, true}) {
        SCOPED_TRACE(extended ? "DLGTEMPLATEEX" : "DLGTEMPLATE");
        const auto t = parse_dialog_template(dlgtest::build(every_field(extended)));
        ASSERT_TRUE(t);
        EXPECT_EQ(t->extended, extended);
        EXPECT_EQ(t->style, 0x80C800C0u);
        EXPECT_EQ(t->exStyle, 8u);
        EXPECT_EQ(t->helpId, extended ? 77u : 0u);
        EXPECT_EQ(t->x, -5);
        EXPECT_EQ(t->y, 7);
        EXPECT_EQ(t->cx, 220);
        EXPECT_EQ(t->cy, 110);
        EXPECT_EQ(t->menu.ordinal, WORD{200});
        EXPECT_FALSE(t->windowClass.ordinal);
        EXPECT_EQ(t->windowClass.text, "OwnClass");
        EXPECT_EQ(t->title, "Gr\xf6\xdf"
                            "e");
        ASSERT_TRUE(t->font);
        EXPECT_EQ(t->font->pointSize, 9);
        EXPECT_EQ(t->font->weight, extended ? 700 : 0);
        EXPECT_EQ(t->font->italic, extended);
        EXPECT_EQ(t->font->face, "MS Sans Serif");
        ASSERT_EQ(t->items.size(), 3u);
        const auto& b = t->items[0];
        EXPECT_EQ(b.style, 0x50010000u);
        EXPECT_EQ(b.id, 1u);
        EXPECT_EQ(b.helpId, extended ? 12u : 0u);
        EXPECT_EQ((std::array{b.x, b.y, b.cx, b.cy}), (std::array<short, 4>{4, 5, 50, 14}));
        EXPECT_EQ(plat::control_kind(b.windowClass), ControlKind::Button);
        EXPECT_EQ(b.title.text, "&OK");
        const auto& icon = t->items[1];
        EXPECT_EQ(plat::control_class_name(icon.windowClass), "STATIC");
        EXPECT_EQ(icon.title.ordinal, WORD{600});
        EXPECT_EQ(icon.creationData,
                  (std::vector<std::byte>{std::byte{1}, std::byte{2}, std::byte{3}}));
        const auto& named = t->items[2];
        EXPECT_EQ(plat::control_kind(named.windowClass), ControlKind::Other);
        EXPECT_EQ(plat::control_class_name(named.windowClass), "msctls_trackbar32");
        EXPECT_TRUE(named.title.empty());
    }
}

TEST(DialogTemplate, WithoutSetFontNoFontIsRead) {
    for (bool extended : {false, true}) {
        dlgtest::Dialog d = every_field(extended);
        d.hasFont = false;
        d.style &= ~0x40u;
        const auto t = parse_dialog_template(dlgtest::build(d));
        ASSERT_TRUE(t);
        EXPECT_FALSE(t->font);
        EXPECT_EQ(t->items.size(), 3u); // items are found right after the title
        EXPECT_EQ(t->items[1].title.ordinal, WORD{600});
    }
}

TEST(DialogTemplate, ClassesByOrdinalAndByNameInAnyCase) {
    struct Case {
        dlgtest::NameOrOrdinal name;
        ControlKind kind;
    };
    const Case cases[] = {
        {dlgtest::NameOrOrdinal::number(0x80), ControlKind::Button},
        {dlgtest::NameOrOrdinal::number(0x81), ControlKind::Edit},
        {dlgtest::NameOrOrdinal::number(0x82), ControlKind::Static},
        {dlgtest::NameOrOrdinal::number(0x83), ControlKind::ListBox},
        {dlgtest::NameOrOrdinal::number(0x84), ControlKind::ScrollBar},
        {dlgtest::NameOrOrdinal::number(0x85), ControlKind::ComboBox},
        {"BUTTON", ControlKind::Button},
        {"button", ControlKind::Button},
        {"Edit", ControlKind::Edit},
        {"sTaTiC", ControlKind::Static},
        {"ListBox", ControlKind::ListBox},
        {"SCROLLBAR", ControlKind::ScrollBar},
        {"combobox", ControlKind::ComboBox},
        {"Buttons", ControlKind::Other},
        {"Butto", ControlKind::Other},
        {"msctls_trackbar32", ControlKind::Other},
    };
    dlgtest::Dialog d;
    for (const Case& c : cases) {
        dlgtest::Item item;
        item.windowClass = c.name;
        d.items.push_back(item);
    }
    const auto t = parse_dialog_template(dlgtest::build(d));
    ASSERT_TRUE(t);
    ASSERT_EQ(t->items.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(plat::control_kind(t->items[i].windowClass), cases[i].kind) << i;
}

TEST(DialogTemplate, RefusesWhatNoCompilerWrites) {
    const auto with = [](auto change) {
        dlgtest::Dialog d = every_field(true);
        change(d);
        return parse_dialog_template(dlgtest::build(d)).has_value();
    };
    EXPECT_FALSE(with([](dlgtest::Dialog& d) { d.items[0].windowClass = ""; }));
    EXPECT_FALSE(with(
        [](dlgtest::Dialog& d) { d.items[0].windowClass = dlgtest::NameOrOrdinal::number(0x86); }));
    auto bytes = dlgtest::build(every_field(true));
    bytes[0] = std::byte{2}; // an extended template of another version
    EXPECT_FALSE(parse_dialog_template(bytes));
    // More items promised than the template holds.
    bytes = dlgtest::build(every_field(false));
    bytes[8] = std::byte{4};
    EXPECT_FALSE(parse_dialog_template(bytes));
}

// Every prefix shorter than the whole template is refused: each field is needed.
TEST(DialogTemplate, EveryTruncationFails) {
    for (bool extended : {false, true})
        for (bool font : {false, true}) {
            dlgtest::Dialog d = every_field(extended);
            d.hasFont = font;
            if (!font) d.style &= ~0x40u;
            const auto whole = dlgtest::build(d);
            ASSERT_TRUE(parse_dialog_template(whole));
            for (std::size_t n = 0; n < whole.size(); ++n) {
                const std::vector<std::byte> prefix(whole.begin(), whole.begin() + n);
                EXPECT_FALSE(parse_dialog_template(prefix)) << extended << font << " length " << n;
            }
        }
    // The compiler's templates end with the last item's data word, unpadded.
    for (LPCSTR name : std::initializer_list<LPCSTR>{MAKEINTRESOURCEA(IDD_ABOUT), "Options",
                                                     MAKEINTRESOURCEA(IDD_MIXED)}) {
        const auto whole = resource(name);
        ASSERT_TRUE(parse_dialog_template(whole));
        for (std::size_t n = 0; n < whole.size(); ++n)
            EXPECT_FALSE(parse_dialog_template(whole.first(n))) << " length " << n;
    }
}

TEST(DialogTemplate, CompiledPlainTemplate) {
    const auto t = parse_dialog_template(resource(MAKEINTRESOURCEA(IDD_ABOUT)));
    ASSERT_TRUE(t);
    EXPECT_FALSE(t->extended);
    EXPECT_EQ(t->style, 0x80C800C0u); // DS_SETFONT added by the compiler for the FONT line
    EXPECT_EQ((std::array{t->x, t->y, t->cx, t->cy}), (std::array<short, 4>{0, 0, 120, 60}));
    EXPECT_TRUE(t->menu.empty());
    EXPECT_TRUE(t->windowClass.empty());
    EXPECT_EQ(t->title, "About");
    ASSERT_TRUE(t->font);
    EXPECT_EQ(t->font->pointSize, 8);
    EXPECT_EQ(t->font->face, "MS Sans Serif");
    ASSERT_EQ(t->items.size(), 2u);
    EXPECT_EQ(plat::control_kind(t->items[0].windowClass), ControlKind::Static);
    EXPECT_EQ(t->items[0].title.text, "Gr\xf6\xdf"
                                      "e");
    EXPECT_EQ(t->items[0].id, 10u);
    EXPECT_EQ(plat::control_kind(t->items[1].windowClass), ControlKind::Button);
    EXPECT_EQ(t->items[1].style & 0xF, 1u); // BS_DEFPUSHBUTTON
    EXPECT_EQ((std::array{t->items[1].x, t->items[1].y, t->items[1].cx, t->items[1].cy}),
              (std::array<short, 4>{35, 40, 50, 14}));
}

TEST(DialogTemplate, CompiledExtendedTemplateWithNamedClasses) {
    const auto t = parse_dialog_template(resource(MAKEINTRESOURCEA(IDD_MIXED)));
    ASSERT_TRUE(t);
    EXPECT_TRUE(t->extended);
    EXPECT_EQ(t->exStyle, 8u);
    EXPECT_EQ(t->windowClass.text, "MyDialog");
    EXPECT_EQ(t->title, "Gemischt");
    ASSERT_TRUE(t->font);
    EXPECT_EQ(t->font->pointSize, 9);
    EXPECT_EQ(t->font->weight, 700);
    EXPECT_TRUE(t->font->italic);
    EXPECT_EQ(t->font->face, "Arial");
    const ControlKind kinds[] = {
        ControlKind::Button,    ControlKind::Edit,     ControlKind::Static, ControlKind::ListBox,
        ControlKind::ScrollBar, ControlKind::ComboBox, ControlKind::Other,  ControlKind::Static};
    ASSERT_EQ(t->items.size(), std::size(kinds));
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        EXPECT_EQ(plat::control_kind(t->items[i].windowClass), kinds[i]) << i;
        EXPECT_EQ(t->items[i].id, 101 + i);
    }
    EXPECT_EQ(t->items[0].title.text, "&Ja");
    EXPECT_EQ(t->items[7].title.ordinal, WORD{IDI_APP});
}

// Seeded random corruption of real and hand-built templates: parsing either fails or yields a
// structure, and never reads outside the copy it was given.
TEST(DialogTemplate, FuzzedTemplatesNeverReadPastTheirBytes) {
    std::vector<std::vector<std::byte>> seeds = {
        dlgtest::build(every_field(false)),
        dlgtest::build(every_field(true)),
    };
    for (LPCSTR name : std::initializer_list<LPCSTR>{MAKEINTRESOURCEA(IDD_ABOUT), "Options",
                                                     MAKEINTRESOURCEA(IDD_MIXED)}) {
        const auto bytes = resource(name);
        seeds.emplace_back(bytes.begin(), bytes.end());
    }
    std::mt19937 random(20261208);
    int parsed = 0;
    for (int round = 0; round < 4000; ++round) {
        std::vector<std::byte> data = seeds[random() % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && !data.empty(); ++e) {
            const std::size_t at = random() % data.size();
            switch (random() % 4) {
            case 0: // a random byte
                data[at] = std::byte(random() & 0xFF);
                break;
            case 1: // a word that counts, ends strings or marks ordinals
                data[at] = std::byte(std::array{0x00, 0xFF, 0x7F, 0x80}[random() % 4]);
                break;
            case 2: // cut short
                data.resize(at);
                break;
            default: // a byte dropped, shifting everything behind it
                data.erase(data.begin() + static_cast<std::ptrdiff_t>(at));
                break;
            }
        }
        // An exact-size heap copy, so AddressSanitizer sees a read one byte beyond it.
        const auto copy = std::make_unique<std::byte[]>(data.size());
        std::copy(data.begin(), data.end(), copy.get());
        if (parse_dialog_template({copy.get(), data.size()})) ++parsed;
    }
    // Some corruptions leave a valid template (a changed style or coordinate), most do not.
    EXPECT_GT(parsed, 100);
    EXPECT_LT(parsed, 3900);
}

} // namespace
