#pragma once

#include <QByteArray>
#include <QStringList>

// Splits the bytes of a text file of the practice into lines and decodes them from Windows-1252.
// A line ends at CR or at CR LF; a lone LF is part of the line. A last line without a line end
// counts; a file ending in a line end has no further empty line.
QStringList textzeilen(const QByteArray &bytes);
