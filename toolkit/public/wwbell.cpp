// WindowBell: "ON" and "OFF" switch the bell, anything else rings it.
#include "public/wwbell.h"

#include <string>

#include "core/wmiscel.h"
#include "public/strint.h"
#include "util/text_arg.h"

void WindowBell(tess::TextRef text) {
    tess::FixedString<3> word;
    for (std::size_t i = 0; i < 3 && i < text.size(); ++i)
        word[i] = text[i];
    IUpperCase(word);
    const std::string w(word.data(), 3);
    if (w == "ON ")
        yysetbell_(1);
    else if (w == "OFF")
        yysetbell_(0);
    else
        yyringbell_();
}
