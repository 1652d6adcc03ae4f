// The clipboard: opened by one window at a time, emptied to take ownership, holding memory
// blocks by format. CF_TEXT is shared with other programs through the backend's share.
#include "window/clipboard.h"

#include <cstring>
#include <map>

#include <windows.h>

namespace plat {
namespace {

struct Clipboard {
    bool open = false;
    HWND opener = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HGLOBAL> data;
    bool foreign = false; // another program owns the shared clipboard
    ClipboardShare* share = nullptr;
};

Clipboard& clip() {
    static Clipboard c;
    return c;
}

void free_data() {
    for (auto& [format, memory] : clip().data)
        GlobalFree(memory);
    clip().data.clear();
}

// Another program's text as a block of its own, until the clipboard is emptied or lost.
HGLOBAL fetch_foreign_text() {
    Clipboard& c = clip();
    std::string text;
    if (!c.share || !c.share->foreign_text(&text)) return nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    c.data[CF_TEXT] = memory;
    return memory;
}

std::string text_of(HGLOBAL memory) {
    const auto* p = static_cast<const char*>(GlobalLock(memory));
    if (!p) return {};
    const std::string text(p, strnlen(p, GlobalSize(memory)));
    GlobalUnlock(memory);
    return text;
}

} // namespace

void set_clipboard_share(ClipboardShare* share) {
    clip().share = share;
}

void clipboard_taken_by_other() {
    Clipboard& c = clip();
    if (c.open) return; // the opener's view stays as it is until it closes
    free_data();
    c.owner = nullptr;
    c.foreign = true;
}

void reset_clipboard() {
    free_data();
    ClipboardShare* share = clip().share;
    clip() = Clipboard{};
    clip().share = share;
}

} // namespace plat

using plat::clip;

BOOL OpenClipboard(HWND owner) {
    if (clip().open || (owner && !IsWindow(owner))) return FALSE;
    clip().open = true;
    clip().opener = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    if (!clip().open) return FALSE;
    clip().open = false;
    clip().opener = nullptr;
    return TRUE;
}

BOOL EmptyClipboard() {
    plat::Clipboard& c = clip();
    if (!c.open) return FALSE;
    plat::free_data();
    c.owner = c.opener;
    c.foreign = false;
    return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
    plat::Clipboard& c = clip();
    // Only the program that emptied the clipboard may fill it.
    if (!c.open || c.foreign || !data || GlobalSize(data) == 0) return nullptr;
    auto it = c.data.find(format);
    if (it != c.data.end() && it->second != data) GlobalFree(it->second);
    c.data[format] = data;
    if (format == CF_TEXT && c.share) c.share->claim(plat::text_of(data));
    return data;
}

HANDLE GetClipboardData(UINT format) {
    plat::Clipboard& c = clip();
    if (!c.open) return nullptr;
    auto it = c.data.find(format);
    if (it != c.data.end()) return it->second;
    if (format == CF_TEXT && (c.foreign || c.data.empty())) return plat::fetch_foreign_text();
    return nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    plat::Clipboard& c = clip();
    if (c.data.count(format)) return TRUE;
    std::string text;
    return format == CF_TEXT && c.share && (c.foreign || c.data.empty()) &&
           c.share->foreign_text(&text);
}

HWND GetClipboardOwner() {
    return clip().owner;
}

HWND GetOpenClipboardWindow() {
    return clip().open ? clip().opener : nullptr;
}
