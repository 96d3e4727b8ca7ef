#include "plan/berechnung.h"

#include "katalog/katalog.h"

namespace {

bool gueltigeZeile(int row)
{
    return row >= 0 && row < PlanState::zeilen;
}

// The row sums of one row for all four levels, without the totals.
void zeilensummen(PlanState &plan, int row)
{
    auto &w = plan.planwert[row];
    for (int b = 0; b < PlanState::stufen; ++b)
        w[PlanState::spalteSumme + b] = geld::mal(w[b], w[PlanState::spalteAnzahl]);
}

} // namespace

void berechne_erg(PlanState &plan, int row)
{
    if (!gueltigeZeile(row))
        return;
    zeilensummen(plan, row);
    berechne_Festsum(plan);
}

void berechne_Festsum(PlanState &plan)
{
    for (int b = 0; b < PlanState::stufen; ++b) {
        Geld summe = 0;
        for (const auto &w : plan.planwert)
            summe = geld::plus(summe, w[PlanState::spalteSumme + b]);
        plan.festsumme[b] = summe;
    }
}

void berechne_allerg(PlanState &plan)
{
    for (int row = 0; row < PlanState::zeilen; ++row)
        zeilensummen(plan, row);
    berechne_Festsum(plan);
}

Geld eigenanteil(const PlanState &plan, int b)
{
    if (b < 0 || b >= PlanState::stufen)
        return geld::ungueltig;
    return geld::minus(plan.festsumme[3], plan.festsumme[b]);
}

void befundUebernehmen(PlanState &plan, int row, const Katalog &katalog, int i)
{
    if (!gueltigeZeile(row))
        return;
    const Befund &befund = katalog.befund(i);
    plan.plantext[row][0] = befund.befnr;
    plan.plantext[row][1] = befund.beftext;

    auto &w = plan.planwert[row];
    w[PlanState::spalteAnzahl] = i > 0 ? 1 : 0;
    for (int b = 0; b < PlanState::stufen; ++b)
        w[b] = geld::ausKatalog(befund.befzuschuss[b]);
    // The limits are stored crossed: the per-jaw limit (2) before limit 1.
    w[PlanState::spalteGrenze + 0] = geld::grenzeAusKatalog(befund.befgrenze[0]);
    w[PlanState::spalteGrenze + 1] = geld::grenzeAusKatalog(befund.befgrenze[2]);
    w[PlanState::spalteGrenze + 2] = geld::grenzeAusKatalog(befund.befgrenze[1]);
    w[PlanState::spalteGrenze + 3] = geld::grenzeAusKatalog(befund.befgrenze[3]);

    berechne_erg(plan, row);
}
