// Graphics text attributes: the character set, justification, spacing and size.
#include "graphics/charset_load.h"

#include <cmath>
#include <string>

#include "core/context.h"
#include "core/settings.h"
#include "graphics/charset.h"
#include "graphics/grstate.h"
#include "graphics/oswin.h"
#include "public/grinit.h"
#include "public/strint.h"
#include "util/error_record.h"

using namespace tess;

namespace {

constexpr int ErrorNoCharFile = 1;

constexpr std::array<std::string_view, CharFileCount> StandardCharFiles{
    "swiss.chr", "swissbld.chr", "roman.chr", "romanbld.chr", "fixed.chr", "fixedbld.chr"};

std::string first_word(TextRef text) {
    int first = 0, last = 0;
    ILocateString(text, first, last);
    if (first == 0) return {};
    return std::string(text.data() + first - 1, static_cast<std::size_t>(last - first + 1));
}

// Selects the set of that name when it is the one loaded or a file of that name exists.
bool select_named(const std::string& name) {
    if (name == charset_store_name()) {
        auto& sets = graphics().charsets;
        sets.current.kind = sets.storeKind;
        return true;
    }
    if (!xxexist_(name.c_str())) return false;
    xxrset_(name);
    return true;
}

char first_letter(TextRef letter) {
    return letter.size() > 0 ? letter[0] : ' ';
}

} // namespace

void IGrCharSet(TextRef name) {
    if (IActualLength(name) == 1 && (name[0] == 'H' || name[0] == 'h')) {
        charset_use_hardware();
        xxhdrv_(25);
        return;
    }
    std::string word = first_word(name);
    if (word.empty()) word = first_word(tk().settings.charSet);
    if (select_named(word)) return;
    const std::string dir = tk().settings.charDir.str();
    if (!dir.empty() && select_named(dir + word)) return;
    xxerror_(ErrorNoCharFile);
}

void IGrCharJustify(TextRef letter) {
    const char c = first_letter(letter);
    graphics().state.justify = c == 'L' || c == 'l' ? 1 : c == 'R' || c == 'r' ? 2 : 0;
}

void IGrCharSpacing(TextRef letter) {
    const char c = first_letter(letter);
    graphics().state.spacing = c == 'H' || c == 'h' ? 2 : c == 'P' || c == 'p' ? 1 : 0;
    xxgdrv_(21);
}

void IGrCharSize(const float& width, const float& height) {
    // An infinite factor would leave no character cell at all: like 0, it stands for 1.
    auto factor = [](float f) { return f > 0 && std::isfinite(f) ? f : 1.0f; };
    auto& s = graphics().state;
    s.charFactor = {factor(width), factor(height)};
    xxcharcells_();
}

namespace tess {

void xxcharprobe_() {
    auto& process = graphics_process();
    if (process.probed) return;
    process.probed = true;
    const ErrorRecord saved = error_record();
    for (std::size_t i = 0; i < StandardCharFiles.size(); ++i) {
        error_record().error = 0;
        IGrCharSet(StandardCharFiles[i]);
        process.charFileAvailable[i] = error_record().error == 0 ? 1 : 0;
    }
    IGrCharSet("H");
    error_record().error = saved.error;
    error_record().file_status = saved.file_status;
}

} // namespace tess
