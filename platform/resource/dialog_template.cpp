// Both template formats, read field by field through the bounds-checked view: every length
// and count comes from the data, so each read is checked before it is trusted.
#include "resource/dialog_template.h"

#include <array>
#include <cctype>

#include "resource/byte_view.h"
#include "resource/cp1252.h"

namespace plat {
namespace {

struct ClassOrdinal {
    WORD ordinal;
    ControlKind kind;
    const char* name;
};

// The ordinals the resource compilers write for the predefined classes.
constexpr std::array<ClassOrdinal, 6> classOrdinals{{
    {0x0080, ControlKind::Button, "BUTTON"},
    {0x0081, ControlKind::Edit, "EDIT"},
    {0x0082, ControlKind::Static, "STATIC"},
    {0x0083, ControlKind::ListBox, "LISTBOX"},
    {0x0084, ControlKind::ScrollBar, "SCROLLBAR"},
    {0x0085, ControlKind::ComboBox, "COMBOBOX"},
}};

bool same_text(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

class Reader {
public:
    explicit Reader(std::span<const std::byte> bytes) : view_(bytes) {}

    bool u16(WORD& out) { return take(view_.u16(pos_), 2, out); }
    bool u32(DWORD& out) { return take(view_.u32(pos_), 4, out); }
    bool u8(BYTE& out) { return take(view_.u8(pos_), 1, out); }
    bool i16(short& out) {
        WORD w;
        if (!u16(w)) return false;
        out = static_cast<short>(w);
        return true;
    }

    bool string(std::string& out) {
        std::u16string text;
        for (WORD c; u16(c) && c != 0;)
            text.push_back(static_cast<char16_t>(c));
        if (failed_) return false;
        out = utf16_to_cp1252(text);
        return true;
    }

    // sz_Or_Ord: 0x0000 nothing, 0xFFFF an ordinal, else a string whose first character it is.
    bool name(TemplateName& out) {
        WORD first;
        if (!u16(first)) return false;
        if (first == 0xFFFF) {
            WORD ordinal;
            if (!u16(ordinal)) return false;
            out.ordinal = ordinal;
            return true;
        }
        if (first == 0) return true;
        pos_ -= 2;
        return string(out.text);
    }

    bool bytes(std::size_t count, std::vector<std::byte>& out) {
        const auto data = view_.sub(pos_, count);
        if (!data) return fail();
        out.assign(data->begin(), data->end());
        pos_ += count;
        return true;
    }

    // Items begin on a DWORD boundary from the start of the template. The padding itself may be
    // missing only where nothing follows, and then nothing follows it.
    void align() { pos_ = (pos_ + 3) & ~std::size_t{3}; }

private:
    template <class T, class U> bool take(const std::optional<U>& v, std::size_t size, T& out) {
        if (!v) return fail();
        out = static_cast<T>(*v);
        pos_ += size;
        return true;
    }
    bool fail() {
        failed_ = true;
        return false;
    }

    ByteView view_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

bool read_header(Reader& r, DialogTemplate& t, WORD& count) {
    WORD version, signature;
    if (!r.u16(version) || !r.u16(signature)) return false;
    t.extended = signature == 0xFFFF;
    if (t.extended) {
        if (version != 1) return false;
        if (!r.u32(t.helpId) || !r.u32(t.exStyle) || !r.u32(t.style)) return false;
    } else {
        // A plain template starts with its style; the two words just read were its halves.
        t.style = static_cast<DWORD>(version) | (static_cast<DWORD>(signature) << 16);
        if (!r.u32(t.exStyle)) return false;
    }
    return r.u16(count) && r.i16(t.x) && r.i16(t.y) && r.i16(t.cx) && r.i16(t.cy) &&
           r.name(t.menu) && r.name(t.windowClass) && r.string(t.title);
}

bool read_font(Reader& r, DialogTemplate& t) {
    if (!(t.style & DS_SETFONT)) return true;
    DialogFont f;
    if (!r.u16(f.pointSize)) return false;
    if (t.extended) {
        BYTE italic;
        if (!r.u16(f.weight) || !r.u8(italic) || !r.u8(f.charset)) return false;
        f.italic = italic != 0;
    }
    if (!r.string(f.face)) return false;
    t.font = std::move(f);
    return true;
}

bool read_item(Reader& r, bool extended, DialogItemTemplate& item) {
    r.align();
    if (extended) {
        if (!r.u32(item.helpId) || !r.u32(item.exStyle) || !r.u32(item.style)) return false;
    } else if (!r.u32(item.style) || !r.u32(item.exStyle)) {
        return false;
    }
    if (!r.i16(item.x) || !r.i16(item.y) || !r.i16(item.cx) || !r.i16(item.cy)) return false;
    if (extended) {
        if (!r.u32(item.id)) return false;
    } else {
        WORD id;
        if (!r.u16(id)) return false;
        item.id = id;
    }
    if (!r.name(item.windowClass) || !r.name(item.title)) return false;
    if (item.windowClass.empty()) return false;
    if (item.windowClass.ordinal && control_kind(item.windowClass) == ControlKind::Other)
        return false;
    WORD extra;
    return r.u16(extra) && r.bytes(extra, item.creationData);
}

} // namespace

ControlKind control_kind(const TemplateName& windowClass) {
    for (const ClassOrdinal& c : classOrdinals)
        if (windowClass.ordinal ? *windowClass.ordinal == c.ordinal
                                : same_text(windowClass.text, c.name))
            return c.kind;
    return ControlKind::Other;
}

std::string control_class_name(const TemplateName& windowClass) {
    if (!windowClass.ordinal) return windowClass.text;
    for (const ClassOrdinal& c : classOrdinals)
        if (*windowClass.ordinal == c.ordinal) return c.name;
    return {};
}

std::optional<DialogTemplate> parse_dialog_template(std::span<const std::byte> bytes) {
    Reader r(bytes);
    DialogTemplate t;
    WORD count = 0;
    if (!read_header(r, t, count) || !read_font(r, t)) return std::nullopt;
    // Grown item by item: the count is the template's word and may promise more than it holds.
    for (WORD i = 0; i < count; ++i) {
        DialogItemTemplate item;
        if (!read_item(r, t.extended, item)) return std::nullopt;
        t.items.push_back(std::move(item));
    }
    return t;
}

} // namespace plat
