#include "menu/menu_layout.h"

#include <algorithm>

#include "menu/menu_table.h"

namespace plat {
namespace {

// Measures text in the menu font; prefixes are laid out as DrawTextA draws them.
class TextMeasure {
public:
    TextMeasure() : dc_(CreateCompatibleDC(nullptr)) {
        if (dc_) SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    }
    ~TextMeasure() {
        if (dc_) DeleteDC(dc_);
    }
    TextMeasure(const TextMeasure&) = delete;
    TextMeasure& operator=(const TextMeasure&) = delete;

    int width(const std::string& text) const {
        if (!dc_ || text.empty()) return 0;
        RECT r{0, 0, 0, 0};
        DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_CALCRECT);
        return r.right - r.left;
    }

private:
    HDC dc_;
};

char upper_1252(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    // Latin-1 small letters à..þ map to À..Þ, except the division sign.
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    return c;
}

// The character after the first single &, or 0.
char mnemonic_of(const std::string& label) {
    for (std::size_t i = 0; i + 1 < label.size(); ++i) {
        if (label[i] != '&') continue;
        if (label[i + 1] == '&') {
            ++i;
            continue;
        }
        return upper_1252(label[i + 1]);
    }
    return 0;
}

} // namespace

ItemText split_item_text(const std::string& text) {
    const auto tab = text.find('\t');
    if (tab == std::string::npos) return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

std::vector<RECT> layout_menu_bar(HMENU menu, const RECT& bar) {
    std::vector<RECT> rects;
    const Menu* m = menu_of(menu);
    if (!m) return rects;
    const TextMeasure measure;
    int left = bar.left;
    for (const MenuItem& item : m->items) {
        const int w = measure.width(split_item_text(item.text).label);
        const RECT r{left, bar.top, left + w + 2 * MenuBarItemPadding, bar.bottom};
        rects.push_back(r);
        left = r.right;
    }
    return rects;
}

PopupLayout layout_popup(HMENU menu) {
    PopupLayout out;
    const Menu* m = menu_of(menu);
    if (!m) return out;
    const TextMeasure measure;
    // Items run down in columns; MF_MENUBREAK and MF_MENUBARBREAK start a new one.
    struct Column {
        std::size_t first = 0, last = 0;
        int label = 0, accel = 0, height = 0;
    };
    std::vector<Column> columns;
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        const MenuItem& item = m->items[i];
        if (columns.empty() || (i > 0 && (item.flags & (MF_MENUBREAK | MF_MENUBARBREAK))))
            columns.push_back({i, i, 0, 0, 0});
        Column& c = columns.back();
        c.last = i;
        const ItemText t = split_item_text(item.text);
        c.label = std::max(c.label, measure.width(t.label));
        c.accel = std::max(c.accel, measure.width(t.accelerator));
        c.height += (item.flags & MF_SEPARATOR) ? PopupSeparatorHeight : PopupItemHeight;
    }
    out.items.resize(m->items.size());
    out.accelLeft.resize(m->items.size());
    int x = PopupBorder, tallest = 0;
    for (const Column& c : columns) {
        const int width = PopupCheckColumn + c.label +
                          (c.accel ? PopupAcceleratorGap + c.accel : 0) + PopupArrowColumn;
        int y = PopupBorder;
        for (std::size_t i = c.first; i <= c.last; ++i) {
            const int h =
                (m->items[i].flags & MF_SEPARATOR) ? PopupSeparatorHeight : PopupItemHeight;
            out.items[i] = {x, y, x + width, y + h};
            out.accelLeft[i] = x + PopupCheckColumn + c.label + PopupAcceleratorGap;
            y += h;
        }
        tallest = std::max(tallest, c.height);
        x += width;
    }
    out.size = {x + PopupBorder, tallest + 2 * PopupBorder};
    return out;
}

int find_mnemonic(HMENU menu, char c, int after, bool* unique) {
    const Menu* m = menu_of(menu);
    if (unique) *unique = false;
    if (!m || m->items.empty() || c == 0) return -1;
    const char wanted = upper_1252(c);
    const int n = static_cast<int>(m->items.size());
    int found = -1, count = 0;
    for (int step = 1; step <= n; ++step) {
        const int i = ((after < 0 ? -1 : after) + step) % n;
        const MenuItem& item = m->items[static_cast<std::size_t>(i)];
        if ((item.flags & MF_SEPARATOR) || mnemonic_of(split_item_text(item.text).label) != wanted)
            continue;
        if (found < 0) found = i;
        ++count;
    }
    if (unique) *unique = count == 1;
    return found;
}

bool selectable(HMENU menu, int position) {
    const Menu* m = menu_of(menu);
    return m && position >= 0 && position < static_cast<int>(m->items.size()) &&
           !(m->items[static_cast<std::size_t>(position)].flags & MF_SEPARATOR);
}

bool item_enabled(HMENU menu, int position) {
    return selectable(menu, position) &&
           !(menu_of(menu)->items[static_cast<std::size_t>(position)].flags &
             (MF_GRAYED | MF_DISABLED));
}

} // namespace plat
