#include "public/internal/config_file.h"

#include <algorithm>
#include <string>

#include "core/settings.h"
#include "graphics/oswin.h"
#include "public/infoerr.h"
#include "public/strint.h"
#include "util/error_record.h"

namespace tess {
namespace {

constexpr std::size_t KeywordLength = 8;
constexpr std::size_t MinKeywordLength = 3;

enum class Key {
    Printer,
    Plotter,
    PlotterFile,
    CharSet,
    LfnGen,
    LfnPlotOut,
    LfnPlotIn,
    CharDir,
    Debug
};

struct KeyName {
    std::string_view padded; // upper case, blank-padded to the compared length
    Key key;
};

constexpr KeyName keyNames[] = {
    {"PRINTER ", Key::Printer},   {"PLOTTER ", Key::Plotter}, {"PLNAME  ", Key::PlotterFile},
    {"CHARSET ", Key::CharSet},   {"LFNGEN  ", Key::LfnGen},  {"LFNPLOTO", Key::LfnPlotOut},
    {"LFNPLOTI", Key::LfnPlotIn}, {"CHARDIR ", Key::CharDir}, {"DEBUG   ", Key::Debug},
};

bool find_key(std::string_view keyword, Key& key) {
    if (keyword.size() < MinKeywordLength) return false;
    std::string padded(keyword.substr(0, KeywordLength));
    padded.resize(KeywordLength, ' ');
    IUpperCase(TextRef(padded));
    for (const KeyName& k : keyNames)
        if (k.padded == padded) {
            key = k.key;
            return true;
        }
    return false;
}

std::string_view first_word(std::string_view text) {
    int first, last;
    ILocateString(TextRef(text), first, last);
    if (first == 0) return {};
    return text.substr(first - 1, last - first + 1);
}

// The number after the equals sign, or false when it does not convert. The conversion
// reports through the error record; an error the caller has not queried yet survives it.
bool to_integer(std::string_view text, int& value) {
    const int pending = InfoError(1);
    IStringToInteger(TextRef(text), value);
    const bool converted = InfoError(1) == 0;
    if (pending != 0) xxerror_(pending);
    return converted;
}

// A unit number must stay distinct from the two other units.
void set_unit(int& unit, int value, int other1, int other2) {
    if (value != other1 && value != other2) unit = value;
}

} // namespace

void apply_config_line(std::string_view line, ToolkitSettings& target) {
    std::string record(line.substr(0, ConfigRecordLength));
    std::replace(record.begin(), record.end(), '\t', ' ');
    const std::size_t equals = record.find('=');
    if (equals == std::string::npos || equals < 1 || equals >= ConfigRecordLength - 1) return;

    Key key;
    if (!find_key(first_word(std::string_view(record).substr(0, equals)), key)) return;
    const std::string_view valuePart = std::string_view(record).substr(equals + 1);
    const std::string_view word = first_word(valuePart);
    if (word.empty()) return;

    int number = 0;
    switch (key) {
    case Key::PlotterFile:
        target.plotterFile = word;
        return;
    case Key::CharSet:
        target.charSet = word;
        return;
    case Key::CharDir:
        target.charDir = word;
        return;
    default:
        break;
    }
    if (!to_integer(valuePart, number)) return;
    switch (key) {
    case Key::Printer:
        target.printer = number;
        break;
    case Key::Plotter:
        target.plotter = number;
        break;
    case Key::LfnGen:
        set_unit(target.lfnGen, number, target.lfnPlotOut, target.lfnPlotIn);
        break;
    case Key::LfnPlotOut:
        set_unit(target.lfnPlotOut, number, target.lfnGen, target.lfnPlotIn);
        break;
    case Key::LfnPlotIn:
        set_unit(target.lfnPlotIn, number, target.lfnGen, target.lfnPlotOut);
        break;
    case Key::Debug:
        IDebugLevel(number);
        break;
    default:
        break;
    }
}

void read_config_file(int handle, ToolkitSettings& target) {
    // Only the first characters of a line are kept; one more than a record, so that a carriage
    // return ending a full-length line can still be recognised.
    std::string kept;
    std::size_t total = 0;
    char lastChar = 0;
    auto end_line = [&] {
        std::size_t length = total;
        if (lastChar == '\r') --length;
        kept.resize(std::min(kept.size(), length));
        apply_config_line(kept, target);
        kept.clear();
        total = 0;
        lastChar = 0;
    };

    char block[4096];
    for (;;) {
        int got = 0, status = 0;
        xxread_(handle, block, static_cast<int>(sizeof block), got, status);
        if (status != 0 || got <= 0) break;
        for (int i = 0; i < got; ++i) {
            const char c = block[i];
            if (c == '\n') {
                end_line();
                continue;
            }
            if (kept.size() <= ConfigRecordLength) kept.push_back(c);
            ++total;
            lastChar = c;
        }
    }
    if (total > 0) end_line();
}

} // namespace tess
