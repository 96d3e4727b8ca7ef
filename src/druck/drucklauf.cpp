#include "druck/drucklauf.h"

#include "druck/druckflaeche.h"

Drucklauf::Drucklauf(Druckflaeche &f, const DruckDaten &d, const Katalog &k, QDate tag,
                     QTime uhrzeit)
    : flaeche(f), daten(d), katalog(k), locale(geld::anzeigeLocale()), datum(tag), zeit(uhrzeit),
      U(static_cast<float>(f.breite()) / 10.0f),
      zeilenHoehe(static_cast<float>(f.textHoehe(QStringLiteral("ÄTSDCH")))),
      fussX(f.breite() * 0.66)
{
}

void Drucklauf::drucke(const QString &text)
{
    flaeche.drucke(text);
}

void Drucklauf::druckeBis(const QString &text, double grenze)
{
    flaeche.drucke(gekuerzt(flaeche, text, grenze - flaeche.x()));
}

void Drucklauf::zeileEnde()
{
    flaeche.zeileEnde();
}

QString gekuerzt(const Druckflaeche &flaeche, const QString &text, double raum)
{
    // A text keeps a blank's width of room before the next item, so that the two stay apart.
    const auto passt = [&](const QString &t) { return flaeche.textBreite(t + u' ') <= raum; };
    if (passt(text))
        return text;
    const QString ende = QStringLiteral("…");
    // Measured on the surface itself: the widths of a face are not the sums of its letters.
    for (qsizetype n = text.size() - 1; n > 0; --n) {
        if (text.at(n - 1).isSpace())
            continue; // "…" follows the last letter, not a blank
        const QString anfang = text.first(n) + ende;
        if (passt(anfang))
            return anfang;
    }
    return passt(ende) ? ende : QString();
}

QStringList umbrochen(const Druckflaeche &flaeche, const QString &text, double raum)
{
    const auto passt = [&](QStringView t) { return flaeche.textBreite(t.toString()) <= raum; };
    if (passt(text))
        return {text};
    QStringList zeilen;
    QStringView rest = QStringView(text).trimmed();
    while (!rest.isEmpty() && !passt(rest)) {
        // The longest beginning that ends before a blank and fits; widths grow with the text.
        qsizetype ende = 0;
        for (qsizetype b = rest.indexOf(u' '); b > 0 && passt(rest.first(b));
             b = rest.indexOf(u' ', b + 1))
            ende = b;
        if (ende == 0) {
            // The first word alone is wider: as many of its characters as fit, at least one, and
            // never half of a character outside the basic plane.
            ende = 1;
            while (ende < rest.size() && passt(rest.first(ende + 1)))
                ++ende;
            if (ende < rest.size() && rest.at(ende).isLowSurrogate())
                ende += ende > 1 ? -1 : 1;
        }
        zeilen.append(rest.first(ende).trimmed().toString());
        rest = rest.sliced(ende).trimmed();
    }
    if (!rest.isEmpty())
        zeilen.append(rest.toString());
    return zeilen;
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
    const float U = lauf.U;
    Druckflaeche &f = lauf.flaeche;
    // The name ends before the next item: the page number from page 2 on, else "Kalvomat".
    f.setX(static_cast<double>(1 * U));
    lauf.druckeBis(lauf.daten.plan.patient.trimmed(),
                   static_cast<double>((lauf.seite >= 2 ? 3 : 4) * U));
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

bool seiteVoll(const Drucklauf &lauf, int zusatzZeilen)
{
    const float platz = static_cast<float>(3 + zusatzZeilen) * lauf.zeilenHoehe;
    // A block higher than a fresh page below its header gains nothing from a new page.
    if (zusatzZeilen > 0 && static_cast<double>(platz + lauf.zeilenHoehe) >= lauf.flaeche.hoehe())
        return false;
    return lauf.flaeche.y() + static_cast<double>(platz) >= lauf.flaeche.hoehe();
}

void evtl_neue_druckseite(Drucklauf &lauf, int zusatzZeilen)
{
    if (!seiteVoll(lauf, zusatzZeilen))
        return;
    Druckflaeche &f = lauf.flaeche;
    // Closes a line a section left open; on an empty line this leaves one empty line.
    f.zeileEnde();
    f.setX(lauf.fussX);
    f.drucke(QStringLiteral("-"));
    f.drucke(zahlFeld(lauf.seite));
    f.drucke(QStringLiteral(" -"));
    f.zeileEnde();
    ++lauf.seite;
    f.neueSeite();
    druckKopf(lauf);
}
