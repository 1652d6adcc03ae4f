// Start-up: WInitialise and the environment query it reads its variables with.
#include "public/wwinit.h"

#include <vector>

#include "public/internal/config_file.h"
#include "core/context.h"
#include "core/settings.h"
#include "core/wmiscel.h"
#include "graphics/oswin.h"
#include "public/infoerr.h"
#include "public/strint.h"
#include "util/error_record.h"

using namespace tess;

namespace {

// Opens the file for reading through the general unit; -1 when it cannot be opened.
int open_config(const std::string& name) {
    if (!xxexist_(name.c_str())) return -1;
    int handle = -1, status = 0;
    xxopen_(name.c_str(), 0, handle, status);
    return handle;
}

void append_separator(FixedString<140>& dir) {
    const int last = IActualLength(TextRef(dir));
    if (last == 0 || dir[last - 1] == PathSeparator) return;
    if (static_cast<std::size_t>(last) < dir.size()) dir[last] = PathSeparator;
}

void reset_start_state() {
    tk().reset();
    tk().tessar05.directorySeparator = PathSeparator;
    yysetbell_(1);
    tk().settings.lfnGen = 40;
    tk().settings.lfnPlotOut = 41;
    tk().settings.lfnPlotIn = 42;
    tk().errors = ErrorRecord{};
    tk().settings.printer = 0;
    tk().settings.plotter = 0;
}

} // namespace

void WInitialise(TextRef iniFile) {
    if (tk().settings.initialised == InitialisedMarker) return;
    tk().settings.initialised = InitialisedMarker;

    int graphicsColours = 0;
    yygetdisplayinfo_(tk().tessar01.screenWidth, tk().tessar01.screenHeight, graphicsColours,
                      tk().tessar01.screenColours);
    reset_start_state();

    FixedString<160> configName;
    IOsVariable("TESSINIT", configName);
    if (IActualLength(configName) == 0) configName = "tessar.ini";

    tk().settings.plotterFile = "tessadef.plt";
    tk().settings.charSet = "standard.chr";
    IOsVariable("TSRCHDIR", tk().settings.charDir);

    FixedString<1> debug;
    IOsVariable("TESSDEBUG", debug);
    IDebugLevel(static_cast<unsigned char>(debug[0]) - '0');

    int handle = -1;
    if (IActualLength(iniFile) > 0) handle = open_config(iniFile.str());
    if (handle < 0) handle = open_config(configName.str());
    if (handle >= 0) {
        read_config_file(handle, tk().settings);
        xxclos_(handle);
    }

    append_separator(tk().settings.charDir);
}

void IOsVariable(TextRef name, TextRef value) {
    value.assign("");
    int first, last;
    ILocateString(name, first, last);
    // The name runs to the end of its first word; blanks in front of it are kept.
    const std::string terminated(name.data(), static_cast<std::size_t>(last));
    std::vector<char> buffer(value.size() + 1);
    int length = 0;
    xxgenv_(length, terminated.c_str(), buffer.data(), 0, static_cast<int>(buffer.size()));
    if (length > 0 && static_cast<std::size_t>(length) < buffer.size())
        value.assign(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
}
