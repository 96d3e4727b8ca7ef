// Arbitrary bytes as "bef.txt": split and decode them, read the catalogue and ask it everything
// the window and the print run ask of it.

#include "katalog/katalog.h"
#include "katalog/textzeilen.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

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
    return 0;
}
