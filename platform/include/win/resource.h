// Resources of the program module: finding, loading and decoding them.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "types.h"

// Predefined resource types.
#define RT_CURSOR MAKEINTRESOURCEA(1)
#define RT_BITMAP MAKEINTRESOURCEA(2)
#define RT_ICON MAKEINTRESOURCEA(3)
#define RT_MENU MAKEINTRESOURCEA(4)
#define RT_DIALOG MAKEINTRESOURCEA(5)
#define RT_STRING MAKEINTRESOURCEA(6)
#define RT_FONTDIR MAKEINTRESOURCEA(7)
#define RT_FONT MAKEINTRESOURCEA(8)
#define RT_ACCELERATOR MAKEINTRESOURCEA(9)
#define RT_RCDATA MAKEINTRESOURCEA(10)
#define RT_MESSAGETABLE MAKEINTRESOURCEA(11)
#define RT_GROUP_CURSOR MAKEINTRESOURCEA(12)
#define RT_GROUP_ICON MAKEINTRESOURCEA(14)
#define RT_VERSION MAKEINTRESOURCEA(16)

// Language identifiers, as far as FindResourceExA needs them.
constexpr WORD MAKELANGID(WORD primary, WORD sub) {
    return static_cast<WORD>((sub << 10) | primary);
}
constexpr WORD PRIMARYLANGID(WORD lang) {
    return static_cast<WORD>(lang & 0x3FF);
}
#define LANG_NEUTRAL 0x00
#define LANG_ENGLISH 0x09
#define SUBLANG_NEUTRAL 0x00
#define SUBLANG_DEFAULT 0x01

// Accelerator flags and the in-memory accelerator entry.
#define FVIRTKEY 0x01
#define FNOINVERT 0x02
#define FSHIFT 0x04
#define FCONTROL 0x08
#define FALT 0x10

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};
using LPACCEL = ACCEL*;

// A name or type is MAKEINTRESOURCEA(ordinal), "#ordinal", or a string matched regardless of
// case. A null module means the program's own (plat::default_module()).
HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HRSRC WINAPI FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
// The data is read-only, as on Windows.
LPVOID WINAPI LockResource(HGLOBAL data);
DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
BOOL WINAPI FreeResource(HGLOBAL data);

// Copies string uID as Windows-1252 text, truncated to bufferMax - 1 characters and terminated;
// returns the number of characters copied, 0 if there is no such string. A bufferMax of 0 (not
// supported by the A version on Windows) copies nothing and returns 0.
int WINAPI LoadStringA(HINSTANCE instance, UINT uID, LPSTR buffer, int bufferMax);

// The nId of the group entry that best fits the size asked for (0 for the standard 32 pixels),
// with the most colours, or the fewest when Flags holds LR_MONOCHROME (1); 0 if the directory
// is not an icon (fIcon) or cursor group. presbits is trusted to hold the whole directory.
int WINAPI LookupIconIdFromDirectoryEx(BYTE* presbits, BOOL fIcon, int cxDesired, int cyDesired,
                                       UINT Flags);
int WINAPI LookupIconIdFromDirectory(BYTE* presbits, BOOL fIcon);

namespace plat {

// Makes a compiled .res blob a module instance. The bytes must outlive every use of the handle.
// Each registration becomes the default module.
HINSTANCE register_module(std::span<const std::byte> res);
// Forgets a module; its resource handles become invalid. The default reverts to the module
// registered before it.
void unregister_module(HINSTANCE module);
// The module last registered, or null if there is none.
HINSTANCE default_module();
// The .res blob of a module; empty for an unknown one.
std::span<const std::byte> module_bytes(HINSTANCE module);

// The data of a resource, found as FindResourceA finds it.
std::optional<std::span<const std::byte>> resource_bytes(HINSTANCE module, LPCSTR name,
                                                         LPCSTR type);

// An RT_ACCELERATOR resource (ACCELTABLEENTRY array, 0x80 marking the last entry); nullopt if
// the data ends before the last entry.
std::optional<std::vector<ACCEL>> decode_accelerators(std::span<const std::byte> data);

// An RT_GROUP_ICON or RT_GROUP_CURSOR resource (GRPICONDIR). Sizes of 0 in an icon group mean
// 256 and are reported as such.
struct IconGroupEntry {
    WORD width;
    WORD height;
    BYTE colorCount;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id; // the RT_ICON (or RT_CURSOR) resource holding this image
};
struct IconGroup {
    WORD type; // 1 icons, 2 cursors
    std::vector<IconGroupEntry> entries;
};
std::optional<IconGroup> decode_icon_group(std::span<const std::byte> data);

// The entry LookupIconIdFromDirectoryEx chooses; nullopt for an empty group.
std::optional<IconGroupEntry> best_icon(const IconGroup& group, int cx, int cy, bool monochrome);

} // namespace plat
