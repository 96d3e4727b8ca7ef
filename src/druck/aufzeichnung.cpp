#include "druck/aufzeichnung.h"

double Aufzeichnung::textBreite(const QString &text) const
{
    return metrik_.zeichenBreite * static_cast<double>(text.size());
}

double Aufzeichnung::textHoehe(const QString &) const
{
    return metrik_.zeilenHoehe;
}

void Aufzeichnung::drucke(const QString &text)
{
    eintraege_.append(Eintrag {seite_, zeile_, x_, text});
    x_ += textBreite(text);
}

void Aufzeichnung::zeileEnde()
{
    ++zeile_;
    ++endeZeilen_[seite_ - 1];
    x_ = 0;
}

void Aufzeichnung::neueSeite()
{
    ++seite_;
    endeZeilen_.append(0);
    zeile_ = 0;
    x_ = 0;
}

bool Aufzeichnung::dokumentEnde()
{
    ++dokumentEnden_;
    return endeGelingt_;
}

int Aufzeichnung::zeilenAnzahl(int seite) const
{
    if (seite < 1 || seite > endeZeilen_.size())
        return 0;
    int anzahl = endeZeilen_[seite - 1];
    for (const Eintrag &e : eintraege_) {
        if (e.seite == seite && e.zeile >= anzahl)
            anzahl = e.zeile + 1;
    }
    return anzahl;
}

QList<Aufzeichnung::Eintrag> Aufzeichnung::zeile(int seite, int zeile) const
{
    QList<Eintrag> ergebnis;
    for (const Eintrag &e : eintraege_) {
        if (e.seite == seite && e.zeile == zeile)
            ergebnis.append(e);
    }
    return ergebnis;
}

QString Aufzeichnung::zeilenBild(int seite, int zeile, double einheit) const
{
    QString bild;
    bool erstes = true;
    double ende = 0;
    for (const Eintrag &e : this->zeile(seite, zeile)) {
        if (e.text.isEmpty())
            continue; // puts nothing on the page
        if (erstes || e.x != ende) {
            if (!erstes)
                bild += u'|';
            bild += QString::number(e.x / einheit, 'g', 6) + u':';
        }
        bild += e.text;
        ende = e.x + textBreite(e.text);
        erstes = false;
    }
    return bild;
}

QStringList Aufzeichnung::seitenBild(int seite, double einheit) const
{
    QStringList bild;
    const int anzahl = zeilenAnzahl(seite);
    for (int z = 0; z < anzahl; ++z)
        bild.append(zeilenBild(seite, z, einheit));
    return bild;
}
