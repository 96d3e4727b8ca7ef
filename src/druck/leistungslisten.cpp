#include "druck/leistungslisten.h"

#include "druck/druckflaeche.h"
#include "druck/drucklauf.h"
#include "katalog/katalog.h"
#include "leistungen/leistarray.h"

namespace {

constexpr auto deduktionText = u"! abzgl !";

enum class Art { bema, bel };

bool vorhanden(const Leistungseintrag &e)
{
    return !e.nr.trimmed().isEmpty();
}

// At 3 U the deduction flag, at 4 U the number, at 5 U the text up to the right edge of the
// page; the line is ended.
void leistungszeile(Drucklauf &lauf, std::int64_t vorzeichen, const QString &nr,
                    const QString &text)
{
    lauf.spalte(3);
    if (vorzeichen < 0)
        lauf.drucke(QString::fromUtf16(deduktionText));
    lauf.spalte(4);
    lauf.druckeBis(nr, static_cast<double>(5 * lauf.U));
    lauf.spalte(5);
    lauf.druckeBis(text, lauf.flaeche.breite());
    lauf.zeileEnde();
}

// The marker prints the notice once per run and nothing after that; true when it printed.
bool marker(Drucklauf &lauf)
{
    if (lauf.hinweisGedruckt)
        return false;
    lauf.hinweisGedruckt = true;
    Bema_erst_Bemdruck(lauf, std::nearbyint(static_cast<double>(3 * lauf.U)));
    return true;
}

// The label of a list; its name ends before grenze, where the list's first entry stands.
void listenkopf(Drucklauf &lauf, const QString &name, double grenze)
{
    lauf.flaeche.setX(0);
    lauf.drucke(QStringLiteral("Regelversorgung:"));
    lauf.spalte(2);
    lauf.druckeBis(name, grenze);
}

// Where the first entry of a sorted total stands on the label line: 3 U for a deduction or the
// notice, 4 U for a service number; the right edge when nothing follows on that line (no entry,
// or a page break before the first entry). The notice is never printed before the sorted list:
// no report kind has both the lists per finding and the sorted total.
double ersteSpalte(const Drucklauf &lauf, const Leistarray &summe, Art art)
{
    if (!seiteVoll(lauf)) {
        for (int k = 0; k < summe.groesse(); ++k) {
            const Leistung &l = summe[k];
            if (l.nr.isEmpty())
                continue;
            const bool bei3U = (art == Art::bema && l.nr == bemaMarker) || l.anz < 0;
            return static_cast<double>((bei3U ? 3 : 4) * lauf.U);
        }
    }
    return lauf.flaeche.breite();
}

bool zurSumme(const Drucklauf &lauf, int zeile, Leistarray &summe, Art art)
{
    const int f = lauf.daten.plan.zeile[zeile].befund;
    bool allesAufgenommen = true;
    for (int k = 0; k <= Katalog::hoechsterEintrag; ++k) {
        const Leistungseintrag &e =
            art == Art::bema ? lauf.katalog.bema(f, k) : lauf.katalog.bel(f, k);
        if (vorhanden(e) && !summe.add(e.vorzeichen, e.nr, e.text))
            allesAufgenommen = false;
    }
    return allesAufgenommen;
}

void sortierteSumme(Drucklauf &lauf, Leistarray &summe, bool unvollstaendig, Art art)
{
    summe.sortieren();
    evtl_neue_druckseite(lauf);
    listenkopf(lauf,
               art == Art::bema ? QStringLiteral("BEMA (sort.):") : QStringLiteral("BEL (sort.):"),
               ersteSpalte(lauf, summe, art));
    bool gedruckt = false;
    for (int k = 0; k < summe.groesse(); ++k) {
        const Leistung &l = summe[k];
        if (l.nr.isEmpty())
            continue;
        evtl_neue_druckseite(lauf);
        if (art == Art::bema && l.nr == bemaMarker) {
            gedruckt = marker(lauf) || gedruckt;
        } else {
            leistungszeile(lauf, l.anz, l.nr, l.text);
            gedruckt = true;
        }
    }
    // A list with nothing on its label line ends that line itself.
    if (!gedruckt)
        lauf.zeileEnde();
    if (unvollstaendig) {
        evtl_neue_druckseite(lauf);
        lauf.spalte(3);
        lauf.drucke(QString::fromUtf16(nichtAufgenommenText));
        lauf.zeileEnde();
    }
}

} // namespace

void bemaListe(Drucklauf &lauf, int zeile)
{
    const int f = lauf.daten.plan.zeile[zeile].befund;
    listenkopf(lauf, QStringLiteral("BEMA :"), static_cast<double>(3 * lauf.U));
    // The first entry stands on the label line. When nothing was printed (no entry, or only the
    // marker of a notice already printed) the label line is ended here, so the next section
    // starts on a line of its own.
    bool gedruckt = false;
    for (int k = 0; k <= Katalog::hoechsterEintrag; ++k) {
        const Leistungseintrag &e = lauf.katalog.bema(f, k);
        if (!vorhanden(e))
            continue;
        evtl_neue_druckseite(lauf);
        if (e.nr == bemaMarker) {
            gedruckt = marker(lauf) || gedruckt;
        } else {
            leistungszeile(lauf, e.vorzeichen, e.nr, e.text);
            gedruckt = true;
        }
    }
    if (!gedruckt)
        lauf.zeileEnde();
}

void belListe(Drucklauf &lauf, int zeile)
{
    const int f = lauf.daten.plan.zeile[zeile].befund;
    listenkopf(lauf, QStringLiteral("BEL :"), static_cast<double>(3 * lauf.U));
    bool gedruckt = false;
    // The BEL list checks the page at every entry index, present or not.
    for (int k = 0; k <= Katalog::hoechsterEintrag; ++k) {
        evtl_neue_druckseite(lauf);
        const Leistungseintrag &e = lauf.katalog.bel(f, k);
        if (!vorhanden(e))
            continue;
        leistungszeile(lauf, e.vorzeichen, e.nr, e.text);
        gedruckt = true;
    }
    if (!gedruckt)
        lauf.zeileEnde();
}

bool zurBemaSumme(const Drucklauf &lauf, int zeile, Leistarray &summe)
{
    return zurSumme(lauf, zeile, summe, Art::bema);
}

bool zurBelSumme(const Drucklauf &lauf, int zeile, Leistarray &summe)
{
    return zurSumme(lauf, zeile, summe, Art::bel);
}

void sortierteBemaSumme(Drucklauf &lauf, Leistarray &summe, bool unvollstaendig)
{
    sortierteSumme(lauf, summe, unvollstaendig, Art::bema);
}

void sortierteBelSumme(Drucklauf &lauf, Leistarray &summe, bool unvollstaendig)
{
    sortierteSumme(lauf, summe, unvollstaendig, Art::bel);
}

void Bema_erst_Bemdruck(Drucklauf &lauf, double tabwidth)
{
    static const QString zeilen[] = {
        QStringLiteral("Regel- und gleichartige Versorgung: "),
        QStringLiteral("Die Richtlinien des BEMA sind weiterhin maßgeblich bei Ansatz der "),
        QStringLiteral("Gebührennummern in HKP und Rechnung für Leistungen, die der Regel-"),
        QStringLiteral("versorgung entsprechen. Leistungen, die über die Regelversorgung "),
        QStringLiteral("hinausgehen, werden nach GOZ und BEB bewertet.  "),
        QStringLiteral("Andersartige Versorgungen werden vollständig nach GOZ und BEB bewertet."),
    };
    for (const QString &zeile : zeilen) {
        evtl_neue_druckseite(lauf);
        lauf.flaeche.setX(tabwidth);
        lauf.drucke(zeile);
        lauf.zeileEnde();
    }
}
