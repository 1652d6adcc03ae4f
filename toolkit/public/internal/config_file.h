// The configuration file: one "keyword = value" setting per line.
#pragma once

#include <string_view>

namespace tess {

struct ToolkitSettings;

// Longer lines are cut to this many characters.
constexpr std::size_t ConfigRecordLength = 170;

// Applies one line (without its line end) to the settings; lines that break a rule change
// nothing.
void apply_config_line(std::string_view line, ToolkitSettings& target);

// Reads the open file (a handle from IFileOpen) line by line until its end or a read error. A
// carriage return before the line feed belongs to the line end.
void read_config_file(int handle, ToolkitSettings& target);

} // namespace tess
