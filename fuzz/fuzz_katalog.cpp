// Arbitrary bytes as "bef.txt": the catalogue read from them stays within its tables and answers
// what the window and the print run ask; a plan filled from every finding adds up exactly.

#include "katalog/katalog.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "plan/berechnung.h"
#include "plan/region.h"
#include "pruefe.h"

#include <array>
#include <cstdint>
#include <map>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const Textinhalt datei =
        textinhalt(QByteArray(reinterpret_cast<const char *>(daten), qsizetype(groesse)));
    const QStringList &zeilen = datei.zeilen;
    const Katalog k = katalogAusZeilen(zeilen);
    const QStringList &liste = k.liste();
    pruefe(liste.isEmpty() == zeilen.isEmpty() && liste.size() <= Katalog::hoechsterBefund + 1);
    pruefe(k.gruppen().size() <= Katalog::gruppenAnzahl && k.befund(71).beftext.isEmpty());
    PlanState plan;
    // The count of the fixed region depends on the finding's four limits alone: it is worked out
    // once for each set of limits.
    std::map<std::array<std::int64_t, 4>, std::int64_t> anzahlen;
    for (int i = 0; i < liste.size(); ++i) {
        // List entry i is finding i; its text finds it or a later finding of the same text.
        const int zeiger = k.bemazeiger(liste[i]);
        pruefe(i == 0 || (liste[i] == k.befund(i).beftext && zeiger >= i));
        // A service is present when its number is more than blanks: a lone LF, which ends no
        // line in a file with CR, is such a number.
        for (const Leistungseintrag &e : k.bemaEintraege(i) + k.belEintraege(i))
            pruefe((e.vorzeichen == 1 || e.vorzeichen == -1) && e.nr.count(u' ') < e.nr.size());
        if (k.istUeberschrift(i))
            continue;
        Planzeile &z = plan.zeile[i % PlanState::zeilen];
        befundUebernehmen(z, k, i);
        auto anzahl = anzahlen.find(z.grenzen);
        if (anzahl == anzahlen.end())
            anzahl =
                anzahlen
                    .emplace(
                        z.grenzen,
                        regionAuswerten(QStringLiteral("11 12 21 31 41 OK UK"), z.grenzen).anzahl)
                    .first;
        z.anzahl = anzahl->second;
        zeilensummen(z);
    }
    berechne_Festsum(plan);
    // Each total is the exact sum of its rows, or invalid when a row or the sum is.
    for (int b = 0; b < PlanState::stufen; ++b) {
        __int128 summe = 0;
        bool ungueltig = false;
        for (const Planzeile &z : plan.zeile) {
            ungueltig = ungueltig || z.einfach[b] == geld::ungueltig;
            summe += static_cast<__int128>(z.einfach[b]) * z.anzahl;
        }
        const Geld fest = plan.festsumme[b];
        pruefe(fest == geld::ungueltig ? ungueltig || summe != static_cast<Geld>(summe)
                                       : summe == fest);
    }
    // The check of the same lines: one line per message, and the start-up list stays short.
    const auto meldungen = katalogPruefen(datei, k);
    for (const Pruefmeldung &m : meldungen) {
        const QString zeile = alsZeile(m);
        pruefe(!zeile.contains(u'\n') && !zeile.contains(u'\r'));
    }
    pruefe(fehlerZeilen(meldungen, 10).size() <= 11);
    return 0;
}
