#pragma once

// The state of one print run and what every section of the report shares: the page layout, worked
// out once when the run starts, the page frame (header line, page check with the page number line)
// and the forms in which numbers, amounts, dates and times appear on the page.

#include "druck/druck.h"
#include "druck/druckflaeche.h"
#include "plan/geld.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>

class Katalog;

struct Drucklauf
{
    // Measures the page in the surface's current font.
    Drucklauf(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, QDate datum,
              QTime zeit);

    Druckflaeche &flaeche;
    const DruckDaten &daten;
    const Katalog &katalog;
    const QLocale locale; // the locale of the window's captions
    const QDate datum;
    const QTime zeit;
    // The page layout.
    const float U; // column unit: W / 10
    const float zeilenHoehe; // of "ÄTSDCH": a page check asks for three lines' room
    const double fussX; // where the page number line stands: 0.66 W
    int seite = 1;
    bool hinweisGedruckt = false; // the billing notice stands on the report

    // x = k column units.
    void spalte(float k) { flaeche.setX(static_cast<double>(k * U)); }
    void drucke(const QString &text);
    // Prints a text at the current x that must end before x = grenze, where the next item of the
    // line stands: a longer one is shortened and ends with "…", so nothing is overprinted.
    void druckeBis(const QString &text, double grenze);
    void zeileEnde();
};

// The text as it fits into raum (page units) on the surface with a blank's width to spare:
// unchanged when it fits, otherwise its longest beginning that fits, without trailing blanks,
// followed by "…"; empty when not even "…" fits.
QString gekuerzt(const Druckflaeche &flaeche, const QString &text, double raum);

// The text in lines no wider than raum (page units), for a column that must not grow: a text that
// fits stays one line, unchanged; a longer one is broken at blanks (the blanks at a break are
// dropped), and a word wider than raum within the word. Every character but those blanks stays.
QStringList umbrochen(const Druckflaeche &flaeche, const QString &text, double raum);

// A number as the report prints it: a blank or the minus sign, the digits, a blank (" 12 ", "-3 ").
QString zahlFeld(std::int64_t zahl);
// An amount in units of 1/10000 EUR in the locale's general number form, framed like a number:
// " 150 ", " 31,4 ", "-5,5 ".
QString betragFeld(Geld betrag, const QLocale &locale);
// Date and time of the run in the locale's short forms.
QString datumFeld(const QDate &datum, const QLocale &locale);
QString zeitFeld(const QTime &zeit, const QLocale &locale);

// The header line of a page: patient at 1 U, "Seite" and the page number from page 2 on at 3 U,
// "Kalvomat" at 4 U, date at 7 U, time at 8 U; the line is ended.
void druckKopf(Drucklauf &lauf);
// True when fewer than three lines of room are left on the page. With zusatzZeilen, for a block
// of that many lines more that is to stay together: true when they do not fit as well, unless the
// block would not fit below the header of a fresh page either.
bool seiteVoll(const Drucklauf &lauf, int zusatzZeilen = 0);
// Starts a new page when seiteVoll: ends the open line, prints the page number line at 0.66 W,
// raises the page number and prints the header of the new page.
void evtl_neue_druckseite(Drucklauf &lauf, int zusatzZeilen = 0);
