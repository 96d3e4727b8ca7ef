#pragma once

// The findings catalogue as the program holds it after reading "bef.txt": up to 70 findings
// (index 0 is the empty row of "-Bitte wählen/löschen"), each with up to 101 BEMA and 101 BEL
// service entries, and up to 8 group headings. Every value stays text; consumers convert numbers
// with zahlwert() where they use them.

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

// One service entry of a finding: its sign (1 to bill, -1 for a deduction, written in the file as
// a leading "-"), service number, service text. An entry no line wrote has the sign 0.
struct Leistungseintrag
{
    int vorzeichen = 0;
    QString nr;
    QString text;
};

// A line of the file that did not fit the fixed tables and was ignored: its line number, the
// field that made it not fit (1 a finding, 2 a heading, 17 a BEMA, 19 a BEL entry) and a German
// description.
struct Auslassung
{
    qsizetype zeile = 0;
    int feld = 0;
    QString text;
};

struct Befund
{
    QString befnr;
    QString beftext;
    QString befinfo1;
    QString befinfo2;
    std::array<QString, 4> befzuschuss; // EUR per bonus level 0..3, as number text
    std::array<QString, 4> befgrenze; // the four count limits, as number text
    QString befnichtz; // not billable on the same tooth
    QString befnichtk; // not billable in the same jaw
    std::array<QString, 2> weitere; // file fields 15 and 16, kept but unused
};

class Katalog
{
public:
    static constexpr int hoechsterBefund = 70; // finding indexes 0..70
    static constexpr int hoechsterEintrag = 100; // entry indexes 0..100
    static constexpr int gruppenAnzahl = 8; // group labels befgr(0..7)
    static constexpr auto leerEintrag = u"-Bitte wählen/löschen";

    // The entries of the finding list: entry 0 is "-Bitte wählen/löschen", entry i is beftext(i).
    // Empty when the file was empty (not even the clear entry).
    const QStringList &liste() const { return liste_; }
    // Texts of the group headings in file order, at most 8.
    const QStringList &gruppen() const { return gruppen_; }
    // The lines that did not fit the fixed tables and were ignored, in file order.
    const QList<Auslassung> &auslassungen() const { return auslassungen_; }
    // The same as German sentences "Zeile 75: mehr als 70 Befunde, …".
    QStringList ignoriert() const;
    // The line number (1-based, the header is line 1) of finding i; 0 for row 0 and empty rows.
    qsizetype zeile(int i) const;

    int anzahlBefunde() const; // number of list entries minus 1, at least 0

    // Finding i; an index outside 0..70 gives an empty finding.
    const Befund &befund(int i) const;
    // True when the third character of beftext(i) is "-".
    bool istUeberschrift(int i) const;

    // The last finding index 0..70 whose beftext equals the text exactly; -1 when none does.
    int bemazeiger(const QString &befundText) const;
    int belzeiger(const QString &befundText) const;

    // Entry k (0..100) of finding i; outside the tables an empty entry.
    const Leistungseintrag &bema(int i, int k) const;
    const Leistungseintrag &bel(int i, int k) const;
    // The present entries of finding i in entry order (number not empty after trimming).
    QList<Leistungseintrag> bemaEintraege(int i) const;
    QList<Leistungseintrag> belEintraege(int i) const;

private:
    friend Katalog katalogAusZeilen(const QStringList &zeilen);

    // A row of the table: the finding, its line and the entries written for it, at most 101
    // each; every later index reads as empty.
    struct Zeile
    {
        Befund befund;
        QList<Leistungseintrag> bema;
        QList<Leistungseintrag> bel;
        qsizetype zeile = 0;
    };
    // Row 0 (services before the first finding) and one row per finding read; the rows up to 70
    // that no finding filled are empty and not stored.
    const Zeile *tabellenzeile(int i) const;

    std::vector<Zeile> zeilen_;
    QStringList liste_;
    QStringList gruppen_;
    QList<Auslassung> auslassungen_;
};

// Fields 1 to 20 of a catalogue line as the reader sees them, as views into the line: split at
// tabs, each trimmed of blanks, missing trailing fields empty, fields beyond the 20th not read.
std::array<QStringView, 20> katalogFeldteile(QStringView zeile);

// Reads the catalogue from the decoded lines of "bef.txt" (line 1 is the header).
Katalog katalogAusZeilen(const QStringList &zeilen);
