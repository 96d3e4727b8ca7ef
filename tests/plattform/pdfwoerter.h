#pragma once

// Test help for reading printed PDFs back: the words with their page and box in points, as
// pdftotext -bbox reports them, and the test report that the printer tests print.

#include <QList>
#include <QString>

class Druckflaeche;

struct PdfWort
{
    int seite = 0; // 1-based
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0; // points from the top left corner of the sheet
    QString text;
};

struct PdfInhalt
{
    bool gelesen = false;
    QString fehler;
    double seitenBreite = 0; // points, of the first page
    double seitenHoehe = 0;
    int seiten = 0;
    QList<PdfWort> woerter;

    // The first word with this text; nullptr when there is none.
    const PdfWort *wort(const QString &text) const;
};

bool pdftotextVorhanden();
PdfInhalt pdfWoerterLesen(const QString &pfad);

// Prints the test report: on page 1 the words K0 ... K9 at x = k * W / 10 on the first line,
// then a line with umlauts, then "Betrag:" and " 12,5 " as two items of one line; on page 2
// "Seite2" at W / 2. kennung is printed as the last word of page 2 to tell the job apart.
struct TestberichtMasse
{
    double breite = 0; // W, twips
    double hoehe = 0; // H, twips
    double zeile = 0; // line height, twips
    double betragX = 0; // x where " 12,5 " was printed, twips
    double blank = 0; // width of one blank, twips
};
TestberichtMasse testberichtDrucken(Druckflaeche &flaeche, const QString &kennung);

// Checks the words of a printed test report against the sizes it was printed with; on failure,
// fehler says what is wrong. The sheet's margins are taken as half of what the printable area
// leaves of the sheet's width and height.
bool testberichtPruefen(const PdfInhalt &pdf, const TestberichtMasse &masse, const QString &kennung,
                        QString &fehler);
