/// \file
/// The program's resources: the compiled resource script (.res) a program built outside this
/// tree hands over as its module instance, as the code written by tessaramond_add_resources does
/// during static initialisation.
#pragma once

#include <cstddef>
#include <span>

namespace tess {

/// Makes the .res bytes the program's module instance, where its dialogs, menus, bitmaps, icon
/// and strings are looked up. The bytes must stay valid while the program runs.
void register_program_resources(std::span<const std::byte> res);

} // namespace tess
