#include "dialog/template_writer.h"

#include "resource/cp1252.h"

namespace plat {

TemplateWriter::TemplateWriter(DWORD style, DWORD exStyle, RECT units, std::string_view title,
                               WORD pointSize, std::string_view face) {
    put32(style | DS_SETFONT);
    put32(exStyle);
    put16(0); // the item count, set by add()
    put16(static_cast<unsigned>(units.left));
    put16(static_cast<unsigned>(units.top));
    put16(static_cast<unsigned>(units.right - units.left));
    put16(static_cast<unsigned>(units.bottom - units.top));
    put16(0); // no menu
    put16(0); // the dialog class
    put_text(title);
    put16(pointSize);
    put_text(face);
}

void TemplateWriter::add(TemplateClass cls, int id, std::string_view text, DWORD style, RECT units,
                         DWORD exStyle) {
    align();
    put32(style | WS_CHILD | WS_VISIBLE);
    put32(exStyle);
    put16(static_cast<unsigned>(units.left));
    put16(static_cast<unsigned>(units.top));
    put16(static_cast<unsigned>(units.right - units.left));
    put16(static_cast<unsigned>(units.bottom - units.top));
    put16(static_cast<unsigned>(id));
    put16(0xFFFF);
    put16(static_cast<WORD>(cls));
    put_text(text);
    put16(0); // no creation data
    ++count_;
    // cdit follows the two style DWORDs of the header.
    bytes_[8] = static_cast<std::byte>(count_ & 0xFF);
    bytes_[9] = static_cast<std::byte>(count_ >> 8);
}

void TemplateWriter::put16(unsigned v) {
    bytes_.push_back(static_cast<std::byte>(v & 0xFF));
    bytes_.push_back(static_cast<std::byte>((v >> 8) & 0xFF));
}

void TemplateWriter::put32(DWORD v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
}

void TemplateWriter::put_text(std::string_view text) {
    for (char16_t c : cp1252_to_utf16(text))
        put16(c);
    put16(0);
}

void TemplateWriter::align() {
    while (bytes_.size() % 4)
        bytes_.push_back(std::byte{0});
}

} // namespace plat
