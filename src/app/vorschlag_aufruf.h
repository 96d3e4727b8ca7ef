#pragma once

// "kalvomat --vorschlag DATEI [--json]": the findings a dental chart gives, on the command line,
// without a window and without a display. DATEI "-" is the standard input.

#include <QString>
#include <QTextStream>

// Writes the proposal of the chart in datei (as text, or as JSON) to aus and what goes wrong to
// err. The exit code: 0 a proposal (also an empty one), 1 errors in the chart, 2 a file that is
// missing or cannot be read.
int vorschlagAusgeben(const QString &datei, bool json, QTextStream &aus, QTextStream &err);
