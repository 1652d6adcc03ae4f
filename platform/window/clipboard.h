// The clipboard's tie to other programs: a backend that shares the system's clipboard installs
// a share; without one the clipboard is the program's own.
#pragma once

#include <string>

namespace plat {

class ClipboardShare {
public:
    virtual ~ClipboardShare() = default;
    // The program put text (Windows-1252) on the clipboard: other programs may now paste it.
    virtual void claim(const std::string& text) = 0;
    // Another program's clipboard text, converted to Windows-1252; false when there is none
    // (or the program itself owns the clipboard).
    virtual bool foreign_text(std::string* text) = 0;
};

void set_clipboard_share(ClipboardShare* share);
// Another program took the system's clipboard: the program's own data is no longer current.
void clipboard_taken_by_other();
// Forgets everything (tests).
void reset_clipboard();

} // namespace plat
