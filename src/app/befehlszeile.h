#pragma once

// kalvomat on the command line, without a window and without a display: "--pruefen [DATEI]"
// checks a catalogue, "--vorschlag DATEI [--json]" proposes the findings of a dental chart,
// "--help" and "--version" answer as usual. Unknown options and arguments
// and missing values are reported in German with exit code 2, also when the window was asked
// for; Qt's own window options pass on to the window.

#include <optional>

// The exit code when the arguments ask for one of these, or do not fit; nullopt when they ask
// for the window. Exit codes: 2 for arguments that do not fit; of --pruefen 0 no errors, 1 errors,
// 2 the file cannot be read; of --vorschlag 0 a proposal, 1 errors in the chart, 2 the file cannot
// be read.
std::optional<int> befehlszeile(int argc, char **argv);
