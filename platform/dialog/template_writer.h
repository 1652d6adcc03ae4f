// Dialog templates written in memory (DLGTEMPLATE with DS_SETFONT), for the dialogs the layer
// itself shows through DialogBoxIndirectParamA.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include <windows.h>

namespace plat {

// The predefined control classes by the ordinals a template names them with.
enum class TemplateClass : WORD {
    Button = 0x80,
    Edit = 0x81,
    Static = 0x82,
    ListBox = 0x83,
    ScrollBar = 0x84,
    ComboBox = 0x85
};

class TemplateWriter {
public:
    // The dialog's header; texts are Windows-1252.
    TemplateWriter(DWORD style, DWORD exStyle, RECT units, std::string_view title, WORD pointSize,
                   std::string_view face);

    // One control at a rectangle in dialog units; WS_CHILD and WS_VISIBLE are added.
    void add(TemplateClass cls, int id, std::string_view text, DWORD style, RECT units,
             DWORD exStyle = 0);

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(bytes_.data()); }
    std::size_t size() const { return bytes_.size(); }

private:
    void put16(unsigned v);
    void put32(DWORD v);
    void put_text(std::string_view text);
    void align();

    // Items are DWORD-aligned from the start, which operator new's alignment keeps in memory.
    std::vector<std::byte> bytes_;
    WORD count_ = 0;
};

} // namespace plat
