#include "druck/drucklauf.h"

#include "druck/druckflaeche.h"

Drucklauf::Drucklauf(Druckflaeche &f, const DruckDaten &d, const Katalog &k)
    : flaeche(f), daten(d), katalog(k), locale(geld::anzeigeLocale())
{
}

void Drucklauf::drucke(const QString &text)
{
    flaeche.drucke(text);
}

void Drucklauf::zeileEnde()
{
    flaeche.zeileEnde();
}

QString zahlFeld(std::int64_t zahl)
{
    // Through the unsigned value, so that even the most negative number has its digits.
    const auto betrag =
        zahl < 0 ? 0 - static_cast<std::uint64_t>(zahl) : static_cast<std::uint64_t>(zahl);
    return (zahl < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + QString::number(betrag) + u' ';
}

QString betragFeld(Geld betrag, const QLocale &locale)
{
    QString text = geld::text(betrag, locale);
    QChar vorzeichen = u' ';
    if (text.startsWith(u'-')) {
        vorzeichen = u'-';
        text.remove(0, 1);
    }
    return vorzeichen + text + u' ';
}

QString datumFeld(const QDate &datum, const QLocale &locale)
{
    return locale.toString(datum, QLocale::ShortFormat);
}

QString zeitFeld(const QTime &zeit, const QLocale &locale)
{
    return locale.toString(zeit, QLocale::ShortFormat);
}

void druckKopf(Drucklauf &lauf)
{
    // The header measures its own column unit, the same W / 10 as the run's.
    const float U = static_cast<float>(lauf.flaeche.breite()) / 10.0f;
    Druckflaeche &f = lauf.flaeche;
    f.setX(static_cast<double>(1 * U));
    f.drucke(lauf.daten.patient.trimmed());
    if (lauf.seite >= 2) {
        f.setX(static_cast<double>(3 * U));
        f.drucke(QStringLiteral("Seite "));
        f.drucke(zahlFeld(lauf.seite));
    }
    f.setX(static_cast<double>(4 * U));
    f.drucke(QStringLiteral("Kalvomat"));
    f.setX(static_cast<double>(7 * U));
    f.drucke(datumFeld(lauf.datum, lauf.locale));
    f.setX(static_cast<double>(8 * U));
    f.drucke(zeitFeld(lauf.zeit, lauf.locale));
    f.zeileEnde();
}

void evtl_neue_druckseite(Drucklauf &lauf)
{
    Druckflaeche &f = lauf.flaeche;
    const float platz = 3.0f * static_cast<float>(f.textHoehe(QStringLiteral("ÄTSDCH")));
    if (f.y() + static_cast<double>(platz) < f.hoehe())
        return;
    // Closes a line a section left open; on an empty line this leaves one empty line.
    f.zeileEnde();
    f.setX(f.breite() * 0.66);
    f.drucke(QStringLiteral("-"));
    f.drucke(zahlFeld(lauf.seite));
    f.drucke(QStringLiteral(" -"));
    f.zeileEnde();
    ++lauf.seite;
    f.neueSeite();
    druckKopf(lauf);
}
