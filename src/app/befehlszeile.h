#pragma once

// kalvomat on the command line, without a window and without a display: "--pruefen [DATEI]"
// checks a catalogue, "--help" and "--version" answer as usual.

#include <optional>

// The exit code when the arguments ask for one of these; nullopt when they ask for the window.
// Exit codes of --pruefen: 0 no errors, 1 errors, 2 the file cannot be read (also for wrong
// arguments).
std::optional<int> befehlszeile(int argc, char **argv);
