// The toolkit's ready-made modal dialogs: the message box, the file selection and the directory
// selection, with the frame they share (owner, disabling the other windows, enabling them after).
#pragma once

#include <windows.h>

#include <array>

#include "util/text_arg.h"

// ---- message box

// Button set 0..5 (above 5: OK), icon 1..4 (other: none), default button 1..3. result := 1 for
// OK, Yes and Retry, 0 for Cancel and Ignore, 2 for No and Abort; -1 with errorCode set when the
// platform reports a common-dialog error after the box closed.
void yymessagebox_(const int& buttons, const int& icon, const int& defaultButton, int& result,
                   int& errorCode, const char* message, const char* title);

// ---- file selection

// Flag bits of a file selection.
constexpr int SelectSave = 1, SelectPrompt = 2, SelectPathMayBeMissing = 4, SelectKeepDirectory = 8,
              SelectMultiple = 16, SelectAppendExtension = 32;

// One platform open or save dialog. filterSource: 0 none, -1 filterText, else a string
// resource. fileName (fileNameSize bytes) holds the initial name and receives the selection.
// result := 1 selected, 0 cancelled or failed with errorCode the platform's code.
void yygetfiledialog_(const int& filterSource, int& filterIndex, const int& save, const int& prompt,
                      const int& pathMayBeMissing, const int& multiple, const int& appendExtension,
                      int& result, int& errorCode, const char* title, char* fileName,
                      const char* initialDirectory, const char* filterText,
                      const int& fileNameSize);
// The file selection frame: splits fileName, picks the initial directory and title, runs the
// dialog and writes the selection back blank-padded; errors are recorded.
void yywsfile_(const int& filterSource, const char* filterText, const int& flags,
               tess::TextRef fileName, tess::TextRef title, int& filterIndex, int& result);

// ---- paths

// Splits a blank-padded path into its directory (left in path) and file name. A path ending in
// ".." or in a separator names a directory; a file in the root keeps the root as directory.
void yysplitp_(tess::TextRef path, tess::TextRef name);

// ---- directory selection

// Runs the directory selection on pathBuffer (in/out, bufferLength bytes, NUL-terminated).
// Flags: 4 accept a missing directory, 64 offer to create it. result := 1 OK, 2 Cancel, -1 when
// the dialog could not be created.
void yyselectdir_(const int& hasTitle, int& result, const int& flags, char* pathBuffer,
                  const char* title, const int& bufferLength);

namespace tess {
// The filter of a file selection: source -1 the text, a positive source that string resource,
// 0 none; at most MaxFilter characters. The text's last character is its separator; each one
// becomes a NUL, so the list ends in two NULs.
constexpr int FilterFromText = -1;
constexpr std::size_t MaxFilter = 256;
using FilterList = std::array<char, MaxFilter + 2>;
FilterList file_filter_list(int source, const char* text);

constexpr int SelectDirTemplate = 32101;
constexpr int SelectDirEdit = 1001, SelectDirList = 1002, SelectDirDrives = 1003;
constexpr int SelectDirAcceptMissing = 4, SelectDirOfferCreate = 64;

// The owner of a common dialog: the active dialog when there is one, else the current window.
HWND common_dialog_owner();
// Disables every other displayed dialog and visible frame before a common dialog runs, and
// enables them again after it (giving a child-style owner the focus and the active caption).
void common_dialog_begin(HWND owner);
void common_dialog_end(HWND owner);

// Snapshots of every window and displayed dialog while it lives: the program answers no redraw
// events while the platform's modal loop runs, so the windows repaint from these.
class CommonSnapshots {
public:
    CommonSnapshots();
    ~CommonSnapshots();
    CommonSnapshots(const CommonSnapshots&) = delete;
    CommonSnapshots& operator=(const CommonSnapshots&) = delete;
};
} // namespace tess

INT_PTR CALLBACK yySelectDirProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
int yySelectDirUpdate(HWND dialog, char* path, int flags);
