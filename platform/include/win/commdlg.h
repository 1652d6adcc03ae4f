// The common dialogs: the Open and Save As file dialogs and their extended error codes.
#pragma once

#include "types.h"

using LPOFNHOOKPROC = UINT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

struct OPENFILENAMEA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCSTR lpstrFilter;
    LPSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPSTR lpstrFile;
    DWORD nMaxFile;
    LPSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCSTR lpstrInitialDir;
    LPCSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCSTR lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    LPCSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};
using LPOPENFILENAMEA = OPENFILENAMEA*;
// The size of the structure before the reserved members were added; also accepted.
constexpr DWORD OPENFILENAME_SIZE_VERSION_400A =
    static_cast<DWORD>(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR));

constexpr DWORD OFN_READONLY = 0x00000001, OFN_OVERWRITEPROMPT = 0x00000002,
                OFN_HIDEREADONLY = 0x00000004, OFN_NOCHANGEDIR = 0x00000008,
                OFN_SHOWHELP = 0x00000010, OFN_ENABLEHOOK = 0x00000020,
                OFN_ENABLETEMPLATE = 0x00000040, OFN_ENABLETEMPLATEHANDLE = 0x00000080,
                OFN_NOVALIDATE = 0x00000100, OFN_ALLOWMULTISELECT = 0x00000200,
                OFN_EXTENSIONDIFFERENT = 0x00000400, OFN_PATHMUSTEXIST = 0x00000800,
                OFN_FILEMUSTEXIST = 0x00001000, OFN_CREATEPROMPT = 0x00002000,
                OFN_SHAREAWARE = 0x00004000, OFN_NOREADONLYRETURN = 0x00008000,
                OFN_NOTESTFILECREATE = 0x00010000, OFN_NONETWORKBUTTON = 0x00020000,
                OFN_NOLONGNAMES = 0x00040000, OFN_EXPLORER = 0x00080000,
                OFN_NODEREFERENCELINKS = 0x00100000, OFN_LONGNAMES = 0x00200000,
                OFN_ENABLESIZING = 0x00800000, OFN_FORCESHOWHIDDEN = 0x10000000;

// CommDlgExtendedError's answers (cderr.h).
constexpr DWORD CDERR_DIALOGFAILURE = 0xFFFF, CDERR_STRUCTSIZE = 0x0001,
                CDERR_INITIALIZATION = 0x0002, CDERR_NOTEMPLATE = 0x0003,
                CDERR_NOHINSTANCE = 0x0004, CDERR_LOADSTRFAILURE = 0x0005,
                CDERR_FINDRESFAILURE = 0x0006, CDERR_LOADRESFAILURE = 0x0007,
                CDERR_LOCKRESFAILURE = 0x0008, CDERR_MEMALLOCFAILURE = 0x0009,
                CDERR_MEMLOCKFAILURE = 0x000A, CDERR_NOHOOK = 0x000B;
constexpr DWORD FNERR_SUBCLASSFAILURE = 0x3001, FNERR_INVALIDFILENAME = 0x3002,
                FNERR_BUFFERTOOSMALL = 0x3003;

// The controls of the file dialogs, by the identifiers the system's templates give them
// (dlgs.h): the "look in" label and directory, the file list, the name label and field, the type
// label and filter box.
constexpr int stc1 = 0x0440, stc2 = 0x0441, stc3 = 0x0442, stc4 = 0x0443, lst1 = 0x0460,
              cmb1 = 0x0470, edt1 = 0x0480;

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn);
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn);
DWORD CommDlgExtendedError();
