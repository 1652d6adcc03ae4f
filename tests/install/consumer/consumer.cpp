// A program built outside the toolkit's tree against the installed package: opens the root
// window with the menu of its own resources, loads its dialog, reads the field the dialog
// starts with, and prints what it found.
#include <cstdio>

#include <tessaramond/tessaramond.h>

#include "consumer_ids.h"

void MainProgram() {
    WInitialise(" ");
    tess::WindowDescription root;
    root.Flags = tess::WinFlagSystemMenu | tess::WinFlagStatusBar;
    root.Width = 320;
    root.Height = 200;
    root.MenuId = IDM_CONSUMER;
    root.Title = "Consumer";
    WindowOpen(root);
    const int rootOpen = InfoError(1);

    WDialogLoad(IDD_NUMBER);
    const int loadError = InfoError(1);
    FixedString<12> text;
    WDialogGetString(IDF_NUMBER, text);
    int value = 0;
    IStringToInteger(text, value);
    std::printf("open %d load %d dialog %d text [%.12s] value %d\n", rootOpen, loadError,
                tess::tessar04().currentDialog, text.data(), value);
    WDialogUnload();
    WindowClose();
}
