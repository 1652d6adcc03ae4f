// A toolkit program for the end-to-end tests: a modal form over the root window, read back
// through the field routines once OK ends it, then a Yes/No question. It prints one line for
// the form (with the last error number, 0 when the reads succeeded) and one for the answer, or
// "Formular: abgebrochen" when the form was cancelled.
#include <cstdio>

#include "form_echo_ids.h"
#include "public/tessaramond.h"

namespace {

constexpr int Modal = 1, Centred = -1;
constexpr int ButtonsYesNo = 3, IconQuestion = 2, DefaultFirst = 1;
constexpr int FieldOk = 1;
constexpr int ErrorNumber = 1;

} // namespace

void MainProgram() {
    WInitialise(" ");
    tess::WindowDescription d;
    d.Flags = tess::WinFlagSystemMenu;
    d.Title = "Formular-Test";
    WindowOpen(d, 0);
    WDialogLoad(DLG_FORM);
    WDialogShow(Centred, Centred, FORM_NAME, Modal);
    if (tess::tessar04().exitField == FieldOk) {
        FixedString<20> name, city, colour;
        int size = 0;
        WDialogGetString(FORM_NAME, name);
        WDialogGetString(FORM_CITY, city);
        WDialogGetString(FORM_COLOUR, colour);
        WDialogGetRadioButton(FORM_SMALL, size);
        std::printf("Formular: Name=%s Ort=%s Farbe=%s Groesse=%d Fehler=%d\n", name.str().c_str(),
                    city.str().c_str(), colour.str().c_str(), size, InfoError(ErrorNumber));
        std::fflush(stdout);
        WMessageBox(ButtonsYesNo, IconQuestion, DefaultFirst, "Speichern?", "Frage");
        std::printf("Antwort: %d\n", tess::tessar04().commonResult);
    } else {
        std::printf("Formular: abgebrochen\n");
    }
    std::fflush(stdout);
    WDialogUnload();
    WindowClose();
}
