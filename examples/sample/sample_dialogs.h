// The sample's "Extras" menu: a modal dialog from the resources and a message box. What they
// answer is shown by the frame and printed on standard output, one line each.
#pragma once

#include <string>

#include <windows.h>

namespace sample {

struct Details {
    std::string name;
    bool bold = false;
    bool right = false;
};

// Runs the "Angaben" dialog over owner, starting from details; true (details then hold the
// entries) when it ends with OK.
bool ask_details(HWND owner, HINSTANCE instance, Details& details);
// "Speichern?" with Yes, No and Cancel: IDYES, IDNO or IDCANCEL.
int ask_question(HWND owner);

// The lines the frame shows and the program prints.
std::string describe_details(bool ok, const Details& details);
std::string describe_answer(int answer);

} // namespace sample
