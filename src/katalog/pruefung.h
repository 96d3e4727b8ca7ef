#pragma once

// The catalogue check for the yearly update of "bef.txt": what the reader takes differently from
// what the practice meant, found with the reader itself. The reading rules stay as they are; the
// check only says where a line will give a wrong or missing subsidy or service, what Kalvomat
// reads there and what to change.

#include "katalog/katalog.h"
#include "katalog/textzeilen.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Pruefmeldung
{
    // An error: Kalvomat reads a value other than the practice meant (or none). A hint: it reads
    // the meant value, but the file deserves a look.
    enum class Art { Fehler, Hinweis };
    qsizetype zeile = 0; // line number in the file (the header is line 1); 0: the whole file
    int feld = 0; // field number 1..20; 0 when the message concerns the whole line
    Art art = Art::Fehler;
    QString text;
};

// All messages for a catalogue file and the catalogue read from its lines (katalogAusZeilen of
// datei.zeilen), ordered by line and field, the whole file first.
//  Errors: a number field that Kalvomat reads as another value than it shows (thousands point,
//  letters, a limit with a fraction ...), a negative amount, some of the four amounts of a
//  finding empty, a finding number that is not digits with at most one point, a line whose
//  fields stand shifted by a missing or surplus tab, an LF inside a line of a CR LF file, a line
//  beyond the table limits, a continuation line before the first finding, a file that is not
//  empty and yet yields no finding, a UTF-16 file, bytes that are no UTF-8 in a file marked so.
//  Hints: LF line ends, UTF-8, numbers that read as meant but are not written plainly ("1 811,74",
//  "210,69 €", ",5", a limit "3,0"), amounts that do not fit 60 / 70 / 75 / 100 % of the
//  hardship amount, a finding text used twice, a text in straight quotes, more distinct BEMA or
//  BEL numbers than the sorted total lists hold, findings without amounts (one line for all), a
//  continuation line whose fields 2 to 16 are not read.
QList<Pruefmeldung> katalogPruefen(const Textinhalt &datei, const Katalog &katalog);

// One message as one line: "Zeile 7, Feld 5 (ohne Bonus): Fehler: …", for the whole file
// "Datei: Hinweis: …". Control characters of the file are shown as "?", so a message never
// breaks a line.
QString alsZeile(const Pruefmeldung &meldung);

// "3 Fehler, 2 Hinweise".
QString zusammenfassung(const QList<Pruefmeldung> &meldungen);

// The errors only (no hints), one line each, at most `hoechstens` of them, then
// "… und N weitere Zeilen".
QStringList fehlerZeilen(const QList<Pruefmeldung> &meldungen, int hoechstens);
