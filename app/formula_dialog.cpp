#include "formula_dialog.h"

#include "commands.h"
#include "general.h"

namespace formaldrix {

namespace {

void on_ok() {
    FixedString<20> a, b, xmin, xmax;
    FixedString<5> m, n;
    WDialogGetString(1013, a);
    WDialogGetString(1014, b);
    WDialogGetString(1015, m);
    WDialogGetString(1020, n);
    WDialogGetString(1017, xmin);
    WDialogGetString(1018, xmax);
    int sign = 1;
    WDialogGetRadioButton(1021, sign);
    const auto text = [](const auto& field) { return tess::TextRef(field).trimmed(); };
    if (!evaluate_and_show({text(a), text(b), text(m), text(n), text(xmin), text(xmax), sign}))
        WMessageBox(0, 3, 1, "Eine Eingabe kann nicht fehlerfrei in eine Zahl umgewandelt werden.",
                    "Fehlerhafte Eingabe");
}

} // namespace

void berechnungformel() {
    const tess::EventRecord& e = general.event;
    switch (general.eventType) {
    case tess::EventDialogCommand:
        if (e.Value1 == 1)
            on_ok();
        else if (e.Value1 == 2 || e.Value1 == 8)
            WDialogHide();
        else
            WindowBell(" ");
        break;
    case tess::EventCloseRequest:
        WDialogHide();
        break;
    default:
        break;
    }
}

} // namespace formaldrix
