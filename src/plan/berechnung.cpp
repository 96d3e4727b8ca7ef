#include "plan/berechnung.h"

#include "katalog/katalog.h"

#include <cassert>

void zeilensummen(Planzeile &zeile)
{
    for (int b = 0; b < PlanState::stufen; ++b)
        zeile.summe[b] = geld::mal(zeile.einfach[b], zeile.anzahl);
}

void berechne_Festsum(PlanState &plan)
{
    for (int b = 0; b < PlanState::stufen; ++b) {
        Geld summe = 0;
        for (const Planzeile &z : plan.zeile)
            summe = geld::plus(summe, z.summe[b]);
        plan.festsumme[b] = summe;
    }
}

void berechne_allerg(PlanState &plan)
{
    for (Planzeile &z : plan.zeile)
        zeilensummen(z);
    berechne_Festsum(plan);
}

Geld eigenanteil(const PlanState &plan, int b)
{
    assert(b >= 0 && b < PlanState::stufen);
    return geld::minus(plan.festsumme[3], plan.festsumme[b]);
}

void befundUebernehmen(Planzeile &zeile, const Katalog &katalog, int i)
{
    const Befund &befund = katalog.befund(i);
    zeile.befund = i;
    zeile.befnr = befund.befnr;
    zeile.beftext = befund.beftext;
    zeile.anzahl = i > 0 ? 1 : 0;
    for (int b = 0; b < PlanState::stufen; ++b)
        zeile.einfach[b] = geld::ausKatalog(befund.befzuschuss[b]);
    // The per-jaw limit (2) is read before limit 1.
    for (int g = 0; g < 4; ++g)
        zeile.grenzen[g] = geld::grenzeAusKatalog(befund.befgrenze[g == 1 ? 2 : g == 2 ? 1 : g]);
}
