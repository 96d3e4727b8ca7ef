#pragma once

// "kalvomat --vorschlag DATEI [--json]": the findings a dental chart gives, on the command line,
// without a window and without a display. DATEI "-" is the standard input.

#include <optional>

// Nullopt when the arguments do not ask for a proposal. Otherwise the exit code: 0 a proposal
// (also an empty one), 1 errors in the chart, 2 a file that is missing or cannot be read, or
// arguments that do not fit.
std::optional<int> vorschlagAufruf(int argc, char **argv);
