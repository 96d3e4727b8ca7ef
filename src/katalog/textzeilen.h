#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// How a practice saved one of its text files, as far as its bytes tell.
enum class Zeichensatz {
    windows1252, // the program's own encoding, and every file that is not one of the others
    utf8, // valid UTF-8 with at least one character beyond ASCII
    utf8MitKennung, // begins with the UTF-8 byte order mark
    utf16 // begins with a UTF-16 byte order mark; still read as Windows-1252, which garbles it
};

// A text file of the practice, decoded once: its lines and how they were saved.
struct Textinhalt
{
    QStringList zeilen;
    Zeichensatz zeichensatz = Zeichensatz::windows1252;
    bool nurLf = false; // no CR at all: the lines end at LF
    // The first line (1-based) with bytes that are no UTF-8 in a file that begins with the UTF-8
    // mark; they read as U+FFFD. 0 when there is none.
    qsizetype kaputteUtf8Zeile = 0;
};

// Splits the bytes of a text file of the practice into lines and decodes them.
// Encoding: a file that begins with the UTF-8 byte order mark, or that is valid UTF-8 and holds
// a character beyond ASCII, is UTF-8 (the mark is not part of the text); every other file is
// Windows-1252.
// Line ends: a line ends at CR or at CR LF, and a lone LF is part of the line; only a file that
// holds no CR at all but holds LF ends its lines at LF. A last line without a line end counts; a
// file ending in a line end has no further empty line.
Textinhalt textinhalt(const QByteArray &bytes);

// The lines of textinhalt(bytes).
QStringList textzeilen(const QByteArray &bytes);

// Windows-1252: Latin-1 plus the 32 characters that Windows puts in place of the C1 controls
// (five unused codes stay as they are). Its own table, not Qt's codec: that one goes through ICU,
// whose converter data a start of the program would otherwise load for the catalogue alone.
QString ausWindows1252(QByteArrayView bytes);
