// Arbitrary bytes as "bef.txt": split and decode them, read the catalogue and ask it everything
// the window and the print run ask of it; then take every finding into a plan row as a click in
// the finding list does, count a region within its limits and add up the subsidies.

#include "katalog/katalog.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "katalog/zahlwert.h"
#include "plan/berechnung.h"
#include "plan/geld.h"
#include "plan/region.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

void eintraegePruefen(const QList<Leistungseintrag> &eintraege)
{
    pruefe(eintraege.size() <= Katalog::hoechsterEintrag + 1);
    for (const Leistungseintrag &e : eintraege) {
        pruefe(e.vorzeichen == u"1" || e.vorzeichen == u"-1");
        // Present means a number that is more than blanks.
        pruefe(e.nr.count(u' ') < e.nr.size());
    }
}

// A plan filled from the catalogue: row r takes the findings r, r + 20, r + 40, ... one after
// the other, every row counts the same region, and the totals must match a sum taken in 128 bits.
void planRechnen(const Katalog &k)
{
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    PlanState plan;
    for (int i = 0; i <= k.anzahlBefunde(); ++i) {
        if (k.istUeberschrift(i))
            continue;
        const int row = i % PlanState::zeilen;
        befundUebernehmen(plan, row, k, i);
        for (int g = 0; g < 4; ++g) {
            const std::int64_t grenze = plan.planwert[row][PlanState::spalteGrenze + g];
            pruefe(grenze >= std::numeric_limits<std::int32_t>::min()
                   && grenze <= std::numeric_limits<std::int32_t>::max());
        }
        const RegionErgebnis r =
            regionAuswerten(QStringLiteral("11 12 21 31 41 OK UK"), plan.grenzen(row));
        pruefe(r.anzahl >= 1 && r.anzahl <= 5);
        plan.planwert[row][PlanState::spalteAnzahl] = r.anzahl;
        berechne_erg(plan, row);
    }

    for (int b = 0; b < PlanState::stufen; ++b) {
        __int128 summe = 0;
        bool ungueltig = false;
        for (const auto &w : plan.planwert) {
            ungueltig = ungueltig || w[b] == geld::ungueltig;
            summe += static_cast<__int128>(w[b]) * w[PlanState::spalteAnzahl];
        }
        const Geld fest = plan.festsumme[b];
        if (ungueltig)
            pruefe(fest == geld::ungueltig);
        if (fest != geld::ungueltig)
            pruefe(static_cast<__int128>(fest) == summe);

        // The figure the window shows reads back as the same amount.
        const QString text = geld::text(fest, deutsch);
        pruefe(!text.isEmpty());
        constexpr Geld genau = Geld {1} << 50; // far below where double loses whole units
        if (fest != geld::ungueltig && fest > -genau && fest < genau)
            pruefe(geld::ausKatalog(text) == fest);
        const Geld anteil = eigenanteil(plan, b);
        if (fest != geld::ungueltig && plan.festsumme[3] != geld::ungueltig
            && anteil != geld::ungueltig)
            pruefe(static_cast<__int128>(anteil)
                   == static_cast<__int128>(plan.festsumme[3]) - fest);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), static_cast<qsizetype>(groesse));
    const QStringList zeilen = textzeilen(bytes);
    const Katalog k = katalogAusZeilen(zeilen);

    const QStringList &liste = k.liste();
    pruefe(liste.isEmpty() == zeilen.isEmpty());
    pruefe(liste.size() <= Katalog::hoechsterBefund + 1);
    pruefe(k.anzahlBefunde() == (liste.isEmpty() ? 0 : liste.size() - 1));
    pruefe(k.gruppen().size() <= Katalog::gruppenAnzahl);
    if (!liste.isEmpty())
        pruefe(liste.first() == QString::fromUtf16(Katalog::leerEintrag));

    for (int i = -1; i <= Katalog::hoechsterBefund + 1; ++i) {
        const Befund &b = k.befund(i);
        const bool inTabelle = i >= 0 && i <= Katalog::hoechsterBefund;
        if (!inTabelle)
            pruefe(b.befnr.isEmpty() && b.beftext.isEmpty());
        // List entry i is finding i.
        if (i >= 1 && i < liste.size())
            pruefe(liste.at(i) == b.beftext);
        pruefe(k.istUeberschrift(i) == (b.beftext.size() >= 3 && b.beftext.at(2) == u'-'));
        eintraegePruefen(k.bemaEintraege(i));
        eintraegePruefen(k.belEintraege(i));
        for (int e = -1; e <= Katalog::hoechsterEintrag + 1; e += 17) {
            const Leistungseintrag &bema = k.bema(i, e);
            const Leistungseintrag &bel = k.bel(i, e);
            if (!inTabelle || e < 0 || e > Katalog::hoechsterEintrag)
                pruefe(bema.nr.isEmpty() && bel.nr.isEmpty());
        }
    }

    // Every list text finds a finding with exactly that text, never one before its own row.
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const int bema = k.bemazeiger(liste.at(i));
        pruefe(bema == k.belzeiger(liste.at(i)));
        if (i >= 1)
            pruefe(bema >= i);
        if (bema >= 0)
            pruefe(k.befund(bema).beftext == liste.at(i));
    }

    // The check of the same lines: one line per message, and the start-up list stays short.
    for (const Pruefmeldung &m : katalogPruefen(zeilen, k))
        pruefe(!alsZeile(m).contains(u'\n') && !alsZeile(m).contains(u'\r'));
    pruefe(fehlerZeilen(katalogPruefen(zeilen, k), 10).size() <= 11);
    planRechnen(k);
    return 0;
}
