#pragma once

// A print surface that keeps what is printed instead of putting it on paper: every item with its
// page, line and x position. Text is measured with fixed metrics (every character equally wide,
// one line height), so a report printed on it can be compared line by line, with positions in
// multiples of the column unit. The tests of the report and of the window print to it.

#include "druck/druckflaeche.h"

#include <QList>
#include <QString>
#include <QStringList>

class Aufzeichnung : public Druckflaeche
{
public:
    struct Metrik
    {
        double breite = 11000; // W in twips
        double hoehe = 15000; // H in twips
        double zeilenHoehe = 240; // height of every text and of every line
        double zeichenBreite = 100; // width of every character
    };

    // One printed item. Pages count from 1, lines from 0 within their page.
    struct Eintrag
    {
        int seite = 1;
        int zeile = 0;
        double x = 0;
        QString text;
    };

    Aufzeichnung() = default;
    explicit Aufzeichnung(const Metrik &metrik) : metrik_(metrik) { }

    // What the surface reports: whether it is ready, and whether ending the document succeeds.
    void setBereit(bool bereit) { bereit_ = bereit; }
    void setDokumentEndeGelingt(bool gelingt) { endeGelingt_ = gelingt; }

    bool bereit() const override { return bereit_; }
    void setSchriftgroesse(int punkte) override { schriftgroesse_ = punkte; }
    double breite() const override { return metrik_.breite; }
    double hoehe() const override { return metrik_.hoehe; }
    double x() const override { return x_; }
    void setX(double x) override { x_ = x; }
    double y() const override { return zeile_ * metrik_.zeilenHoehe; }
    double textBreite(const QString &text) const override;
    double textHoehe(const QString &text) const override;
    void drucke(const QString &text) override;
    void zeileEnde() override;
    void neueSeite() override;
    bool dokumentEnde() override;

    const Metrik &metrik() const { return metrik_; }
    int schriftgroesse() const { return schriftgroesse_; } // 0 until it was set
    const QList<Eintrag> &eintraege() const { return eintraege_; }
    int seiten() const { return seite_; } // pages begun, 1 before anything was printed
    int zeileJetzt() const { return zeile_; } // the line the next item goes to
    int dokumentEnden() const { return dokumentEnden_; } // calls of dokumentEnde()

    // Number of lines of a page: the lines ended on it, and its last line if it holds items
    // that were not ended.
    int zeilenAnzahl(int seite) const;
    // The items of one line in print order.
    QList<Eintrag> zeile(int seite, int zeile) const;
    // One line as "x:text|x:text", x in multiples of `einheit` (e.g. "3:Seite  2 |4:Kalvomat").
    // An item printed right where the one before it ended is joined to it, so each part starts
    // where the report set x; empty texts leave no trace. An empty line gives "".
    QString zeilenBild(int seite, int zeile, double einheit) const;
    // All lines of a page as zeilenBild().
    QStringList seitenBild(int seite, double einheit) const;

private:
    Metrik metrik_;
    bool bereit_ = true;
    bool endeGelingt_ = true;
    int schriftgroesse_ = 0;
    int seite_ = 1;
    int zeile_ = 0;
    double x_ = 0;
    int dokumentEnden_ = 0;
    QList<int> endeZeilen_ {0}; // lines ended per page, index seite - 1
    QList<Eintrag> eintraege_;
};
