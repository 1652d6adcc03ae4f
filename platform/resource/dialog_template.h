// Dialog templates (DLGTEMPLATE and DLGTEMPLATEEX) read into a plain structure, so that a
// malformed template is refused before any window exists.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <windows.h>

namespace plat {

// A field that holds either an ordinal (0xFFFF then a WORD) or a NUL-terminated UTF-16 string;
// the string arrives here as Windows-1252.
struct TemplateName {
    std::optional<WORD> ordinal;
    std::string text;

    bool empty() const { return !ordinal && text.empty(); }
};

// The predefined control classes, by the ordinals the resource compilers write.
enum class ControlKind { Button, Edit, Static, ListBox, ScrollBar, ComboBox, Other };

// The class a template names for a control, whether as an ordinal or as a name in any case.
ControlKind control_kind(const TemplateName& windowClass);
// The registered class name to create a control of that class with.
std::string control_class_name(const TemplateName& windowClass);

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0; // dialog units
    DWORD id = 0;                       // a WORD in DLGTEMPLATE
    TemplateName windowClass;
    TemplateName title;
    std::vector<std::byte> creationData; // the bytes after the size word
};

struct DialogFont {
    WORD pointSize = 0;
    WORD weight = 0; // FW_DONTCARE in DLGTEMPLATE
    bool italic = false;
    BYTE charset = 0;
    std::string face;
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    TemplateName menu;
    TemplateName windowClass;
    std::string title;
    std::optional<DialogFont> font; // present when the style has DS_SETFONT
    std::vector<DialogItemTemplate> items;
};

// Reads a template held in exactly these bytes; nullopt when it is malformed or runs past them.
std::optional<DialogTemplate> parse_dialog_template(std::span<const std::byte> bytes);

} // namespace plat
