#pragma once

// The catalogue check for the yearly update of "bef.txt": what the reader takes differently from
// what the practice meant, found with the reader itself. The reading rules stay as they are; the
// check only says where a line will give a wrong or missing subsidy or service.

#include "katalog/katalog.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Pruefmeldung
{
    enum class Art { Fehler, Hinweis };
    qsizetype zeile = 0; // line number in the file (the header is line 1)
    int feld = 0; // field number 1..20; 0 when the message concerns the whole line
    Art art = Art::Fehler;
    QString text;
};

// All messages for the decoded lines of a catalogue and the catalogue read from them
// (katalogAusZeilen of the same lines), ordered by line and field.
//  Errors: a number field that is not a plain number, some of the four amounts of a finding
//  empty, a line beyond the table limits, a continuation line before the first finding.
//  Hints: amounts that do not fit 60 / 70 / 75 / 100 % of the hardship amount, a finding text
//  used twice, more distinct BEMA or BEL numbers than the sorted total lists hold, findings
//  without amounts (one line for all), a continuation line whose fields 2 to 16 are not read.
QList<Pruefmeldung> katalogPruefen(const QStringList &zeilen, const Katalog &katalog);

// One message as one line: "Zeile 7, Feld 5 (ohne Bonus): Fehler: …". Control characters of the
// file are shown as "?", so a message never breaks a line.
QString alsZeile(const Pruefmeldung &meldung);

// "3 Fehler, 2 Hinweise".
QString zusammenfassung(const QList<Pruefmeldung> &meldungen);

// The errors only (no hints), one line each, at most `hoechstens` of them, then
// "… und N weitere Zeilen".
QStringList fehlerZeilen(const QList<Pruefmeldung> &meldungen, int hoechstens);
