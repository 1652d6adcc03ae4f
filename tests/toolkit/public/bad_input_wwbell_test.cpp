// Texts WindowBell does not know ring the bell (when it is on) and change nothing else; only
// the first three characters count. Already covered in tests/toolkit/windows/services_test.cpp:
// "ONE", a blank, an empty text, "OFFICE".
#include "public/wwbell.h"

#include <string>

#include "support/state_snapshot.h"
#include "toolkit/windows/window_fixture.h"

using testsupport::BadCall;

namespace {

class BadBellInput : public testtk::ToolkitWindows {};

TEST_F(BadBellInput, UnknownTextsOnlyRing) {
    open_root(300, 200);
    const std::string overlong(1000, 'O');
    const std::string offLong = "OF" + std::string(300, 'F');
    const char nuls[] = {'\0', '\0', '\0'};
    const struct {
        const char* what;
        tess::TextRef text;
        int rings; // with the bell on
    } rows[] = {
        {"no characters at all", tess::TextRef(), 1},
        {"three NULs", tess::TextRef(nuls, 3), 1},
        {"O alone", "O", 1},
        {"ON with a NUL for the blank", tess::TextRef("ON\0", 3), 1},
        {"a thousand Os", overlong, 1},
        {"OF followed by 300 Fs switches off, no ring", offLong, 0},
        {"Latin-1 letters are not upper-cased", "\xF6n ", 1},
        {"leading blank", " ON", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        for (const int bell : {1, 0}) {
            bell ? WindowBell("ON") : WindowBell("OFF");
            const int rang = screen->bells();
            const BadCall call{r.what, [&] { WindowBell(r.text); }, 0};
            if (r.rings)
                testsupport::expect_only_errors(std::span(&call, 1));
            else
                call.call();
            EXPECT_EQ(screen->bells() - rang, bell ? r.rings : 0);
        }
    }
}

} // namespace
