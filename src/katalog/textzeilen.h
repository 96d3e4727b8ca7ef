#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// Splits the bytes of a text file of the practice into lines and decodes them from Windows-1252.
// A line ends at CR or at CR LF; a lone LF is part of the line. A last line without a line end
// counts; a file ending in a line end has no further empty line.
QStringList textzeilen(const QByteArray &bytes);

// Windows-1252 without Qt's codec: Latin-1 plus the 32 characters that Windows puts in place of
// the C1 controls (five unused codes stay as they are). For Qt builds that lack the codec.
QString windows1252OhneCodec(QByteArrayView bytes);
