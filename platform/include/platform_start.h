// Start-up choice of the backend for a program; the one call outside the Windows interfaces
// (tests install their backend directly).
#pragma once

#include <string>

namespace plat {

// Installs the backend the environment asks for. TESS_BACKEND=headless selects the in-memory
// screen. Returns false with a one-line reason when no backend can start.
bool start_backend(std::string& reason);

// Whether the installed backend shows its windows to a user (X11), rather than keeping them in
// memory (the headless screen of tests).
bool backend_shows_windows();

// Called once the program's main routine has returned.
void stop_backend();

} // namespace plat
