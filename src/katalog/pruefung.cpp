#include "katalog/pruefung.h"

#include "katalog/zahlwert.h"
#include "leistungen/leistarray.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>

namespace {

using Art = Pruefmeldung::Art;

constexpr int ersterBetrag = 5; // fields 5 to 8: the amounts of the four bonus levels
constexpr int ersteGrenze = 9; // fields 9 to 12: the count limits
// The share of the hardship amount that each level pays since October 2020, in percent.
constexpr int anteil[3] = {60, 70, 75};
// Beyond this many EUR an amount is far outside any subsidy; the level check leaves it alone
// instead of computing with cents that no longer fit.
constexpr double groessterPruefbetrag = 1e12;

QString feldName(int feld)
{
    static const char16_t *const namen[20] = {u"Nr",
                                              u"Befundtext",
                                              u"Beschreibung",
                                              u"Hinweis",
                                              u"ohne Bonus",
                                              u"Bonus 20%",
                                              u"Bonus 30%",
                                              u"Härtefall",
                                              u"Zählgrenze",
                                              u"Zählgrenze",
                                              u"Zählgrenze",
                                              u"Zählgrenze",
                                              u"nicht am selben Zahn",
                                              u"nicht im selben Kiefer",
                                              u"frei",
                                              u"frei",
                                              u"BEMA-Nr",
                                              u"BEMA-Text",
                                              u"BEL-Nr",
                                              u"BEL-Text"};
    return QString::fromUtf16(namen[feld - 1]);
}

// A field's content as quoted in a message, shortened so that binary junk stays readable.
QString zitat(const QString &text)
{
    constexpr qsizetype hoechstens = 40;
    return u'„' + (text.size() > hoechstens ? text.first(hoechstens) + u'…' : text) + u'“';
}

// What zahlwert makes of a text, written as a German reader writes it.
QString gelesen(const QString &text)
{
    const double wert = zahlwert(text);
    if (std::isinf(wert))
        return QStringLiteral("einen unendlich großen Wert");
    QLocale deutsch(QLocale::German, QLocale::Germany);
    deutsch.setNumberOptions(QLocale::OmitGroupSeparator);
    return deutsch.toString(wert + 0.0, 'g', 15);
}

QString centText(long long cent)
{
    const long long betrag = cent < 0 ? -cent : cent;
    return QStringLiteral("%1%2,%3")
        .arg(cent < 0 ? QStringLiteral("-") : QString())
        .arg(betrag / 100)
        .arg(betrag % 100, 2, 10, QLatin1Char('0'));
}

class Pruefer
{
public:
    Pruefer(const QStringList &zeilen, const Katalog &katalog) : zeilen_(zeilen), k_(katalog) { }

    QList<Pruefmeldung> ergebnis()
    {
        zeilenPruefen();
        for (int i = 1; i <= k_.anzahlBefunde(); ++i)
            befundPruefen(i);
        for (const Auslassung &a : k_.auslassungen())
            melde(a.zeile, a.feld, Art::Fehler, a.text);
        if (!ohneBetraege_.isEmpty()) {
            melde(ohneBetraege_.first(), ersterBetrag, Art::Hinweis,
                  QStringLiteral("%1 Befunde haben keine Beträge, der erste in dieser Zeile; "
                                 "Kalvomat rechnet für sie 0 Euro.")
                      .arg(ohneBetraege_.size()));
        }
        listenPruefen(bema_, 17, QStringLiteral("BEMA"), Leistarray::bemaGroesse);
        listenPruefen(bel_, 19, QStringLiteral("BEL"), Leistarray::belGroesse);
        std::stable_sort(m_.begin(), m_.end(), [](const Pruefmeldung &a, const Pruefmeldung &b) {
            return a.zeile != b.zeile ? a.zeile < b.zeile : a.feld < b.feld;
        });
        return m_;
    }

private:
    // Distinct service numbers per sign, each with the line of the finding that brought the
    // number past the size of the sorted total list.
    struct Liste
    {
        QSet<QString> nummern;
        qsizetype zeileDesUeberlaufs = 0;
    };

    void melde(qsizetype zeile, int feld, Art art, const QString &text)
    {
        m_.append({zeile, feld, art, text});
    }

    // Continuation lines: before the first finding their services belong to no finding; later
    // their fields 2 to 16 are not read, which hides a finding whose number was forgotten.
    void zeilenPruefen()
    {
        const qsizetype ersterBefund = k_.anzahlBefunde() > 0 ? k_.zeile(1) : zeilen_.size() + 1;
        for (qsizetype z = 1; z < zeilen_.size(); ++z) {
            if (!zeilen_.at(z).contains(u'\t'))
                continue;
            const auto feld = katalogFelder(zeilen_.at(z));
            if (!feld[0].isEmpty())
                continue;
            const auto gefuellt = std::find_if(feld.begin() + 1, feld.end(),
                                               [](const QString &f) { return !f.isEmpty(); });
            const int f = static_cast<int>(gefuellt - feld.begin()) + 1;
            if (gefuellt == feld.end())
                continue;
            if (z + 1 < ersterBefund) {
                melde(z + 1, f, Art::Fehler,
                      QStringLiteral("Zeile ohne Nr vor dem ersten Befund; sie gehört zu keinem "
                                     "Befund, ihre Leistungen erscheinen nirgends."));
            } else if (f <= 16) {
                melde(z + 1, f, Art::Hinweis,
                      QStringLiteral("Feld 1 (Nr) ist leer: die Zeile ergänzt nur Leistungen des "
                                     "Befunds darüber, die Felder 2 bis 16 werden nicht gelesen."));
            }
        }
    }

    void befundPruefen(int i)
    {
        const Befund &b = k_.befund(i);
        const qsizetype zeile = k_.zeile(i);
        if (texte_.contains(b.beftext)) {
            melde(zeile, 2, Art::Hinweis,
                  QStringLiteral("Der Befundtext %1 steht schon in Zeile %2; in der Befundliste "
                                 "sind die Befunde nicht zu unterscheiden.")
                      .arg(zitat(b.beftext), QString::number(texte_.value(b.beftext))));
        } else {
            texte_.insert(b.beftext, zeile);
        }
        // A heading never comes into a plan row: its amounts, limits and services are not used.
        if (k_.istUeberschrift(i))
            return;
        betraegePruefen(b, zeile);
        for (int g = 0; g < 4; ++g)
            zahlPruefen(zeile, ersteGrenze + g, b.befgrenze[static_cast<std::size_t>(g)], true);
        for (const Leistungseintrag &e : k_.bemaEintraege(i))
            zaehle(bema_, e, zeile, Leistarray::bemaGroesse);
        for (const Leistungseintrag &e : k_.belEintraege(i))
            zaehle(bel_, e, zeile, Leistarray::belGroesse);
    }

    // True when the field holds a plain number or nothing; otherwise the error is reported.
    bool zahlPruefen(qsizetype zeile, int feld, const QString &text, bool ganz)
    {
        static const QRegularExpression betrag(
            QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+([.,][0-9]+)?")));
        static const QRegularExpression ganzeZahl(
            QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+")));
        static const QRegularExpression tausender(
            QRegularExpression::anchoredPattern(QStringLiteral("[+-]?[0-9]+\\.[0-9]{3}")));
        // An empty limit reads as 0 and takes effect as a bound, as the format says.
        if (text.isEmpty())
            return true;
        if (!(ganz ? ganzeZahl : betrag).match(text).hasMatch()) {
            melde(zeile, feld, Art::Fehler,
                  QStringLiteral("%1 ist keine einfache %2; Kalvomat liest daraus %3.")
                      .arg(zitat(text),
                           ganz ? QStringLiteral("ganze Zahl")
                                : QStringLiteral("Zahl (Ziffern, höchstens ein Komma, kein "
                                                 "Tausenderpunkt)"),
                           gelesen(text)));
            return false;
        }
        if (!ganz && tausender.match(text).hasMatch()) {
            melde(zeile, feld, Art::Fehler,
                  QStringLiteral("%1 sieht aus wie eine Zahl mit Tausenderpunkt; Kalvomat liest "
                                 "daraus %2.")
                      .arg(zitat(text), gelesen(text)));
            return false;
        }
        return true;
    }

    void betraegePruefen(const Befund &b, qsizetype zeile)
    {
        const auto &betrag = b.befzuschuss;
        const auto leer = std::count_if(betrag.begin(), betrag.end(),
                                        [](const QString &t) { return t.isEmpty(); });
        if (leer == 4) {
            ohneBetraege_.append(zeile);
            return;
        }
        bool einfach = true;
        for (int s = 0; s < 4; ++s) {
            const QString &text = betrag[static_cast<std::size_t>(s)];
            if (text.isEmpty()) {
                einfach = false;
                melde(zeile, ersterBetrag + s, Art::Fehler,
                      QStringLiteral("Betrag fehlt, die anderen Beträge des Befunds sind "
                                     "eingetragen; Kalvomat rechnet hier mit 0."));
            } else if (!zahlPruefen(zeile, ersterBetrag + s, text, false)) {
                einfach = false;
            }
        }
        if (einfach)
            stufenPruefen(betrag, zeile);
    }

    // Every level is its share of the hardship amount H, rounded to the cent; one cent off is
    // allowed for tables that scale from a rounded value.
    void stufenPruefen(const std::array<QString, 4> &betrag, qsizetype zeile)
    {
        double wert[4];
        for (std::size_t s = 0; s < 4; ++s) {
            wert[s] = zahlwert(betrag[s]);
            if (std::fabs(wert[s]) >= groessterPruefbetrag)
                return;
        }
        const long long haerte = std::llround(wert[3] * 100.0);
        for (std::size_t s = 0; s < 3; ++s) {
            const long long erwartet =
                std::llround(static_cast<double>(haerte * anteil[s]) / 100.0);
            const long long ist = std::llround(wert[s] * 100.0);
            if (ist - erwartet > 1 || erwartet - ist > 1) {
                melde(zeile, ersterBetrag + static_cast<int>(s), Art::Hinweis,
                      QStringLiteral("%1 passt nicht zu %2 % des Härtefall-Betrags %3 "
                                     "(erwartet %4).")
                          .arg(betrag[s])
                          .arg(anteil[s])
                          .arg(betrag[3], centText(erwartet)));
            }
        }
    }

    static void zaehle(Liste &liste, const Leistungseintrag &e, qsizetype zeile, int groesse)
    {
        const QString nr = e.nr.trimmed();
        if (nr.isEmpty())
            return;
        liste.nummern.insert(QString::number(e.vorzeichen) + u'\t' + nr);
        if (liste.zeileDesUeberlaufs == 0 && liste.nummern.size() > groesse)
            liste.zeileDesUeberlaufs = zeile;
    }

    void listenPruefen(const Liste &liste, int feld, const QString &name, int groesse)
    {
        if (liste.zeileDesUeberlaufs == 0)
            return;
        melde(liste.zeileDesUeberlaufs, feld, Art::Hinweis,
              QStringLiteral("Mit diesem Befund hat der Katalog mehr als %1 verschiedene "
                             "%2-Nummern (insgesamt %3, je Vorzeichen gezählt); die sortierte "
                             "Gesamtliste hält %1, ein großer Plan verliert dort Leistungen.")
                  .arg(groesse)
                  .arg(name)
                  .arg(liste.nummern.size()));
    }

    const QStringList &zeilen_;
    const Katalog &k_;
    QList<Pruefmeldung> m_;
    QHash<QString, qsizetype> texte_;
    QList<qsizetype> ohneBetraege_;
    Liste bema_;
    Liste bel_;
};

} // namespace

QList<Pruefmeldung> katalogPruefen(const QStringList &zeilen, const Katalog &katalog)
{
    return Pruefer(zeilen, katalog).ergebnis();
}

QString alsZeile(const Pruefmeldung &meldung)
{
    QString zeile = QStringLiteral("Zeile %1").arg(meldung.zeile);
    if (meldung.feld >= 1 && meldung.feld <= 20)
        zeile += QStringLiteral(", Feld %1 (%2)").arg(meldung.feld).arg(feldName(meldung.feld));
    zeile +=
        meldung.art == Art::Fehler ? QStringLiteral(": Fehler: ") : QStringLiteral(": Hinweis: ");
    zeile += meldung.text;
    for (QChar &c : zeile) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return zeile;
}

QString zusammenfassung(const QList<Pruefmeldung> &meldungen)
{
    const auto fehler = std::count_if(meldungen.begin(), meldungen.end(),
                                      [](const Pruefmeldung &m) { return m.art == Art::Fehler; });
    const auto hinweise = meldungen.size() - fehler;
    return QStringLiteral("%1 Fehler, %2 %3")
        .arg(fehler)
        .arg(hinweise)
        .arg(hinweise == 1 ? QStringLiteral("Hinweis") : QStringLiteral("Hinweise"));
}

QStringList fehlerZeilen(const QList<Pruefmeldung> &meldungen, int hoechstens)
{
    QStringList zeilen;
    qsizetype weitere = 0;
    for (const Pruefmeldung &m : meldungen) {
        if (m.art != Art::Fehler)
            continue;
        if (zeilen.size() < hoechstens)
            zeilen.append(alsZeile(m));
        else
            ++weitere;
    }
    if (weitere > 0) {
        zeilen.append(QStringLiteral("… und %1 weitere %2")
                          .arg(weitere)
                          .arg(weitere == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen")));
    }
    return zeilen;
}
