#include "druck/zusammenfassung.h"

#include "druck/druckflaeche.h"
#include "druck/drucklauf.h"

#include <algorithm>

namespace {

// The chosen level as an index the captions and plan columns can take.
int stufe(const Drucklauf &lauf)
{
    return std::clamp(lauf.daten.plan.aktbonus, 0, PlanState::stufen - 1);
}

} // namespace

void summenblock(Drucklauf &lauf)
{
    const DruckDaten &d = lauf.daten;
    lauf.spalte(3);
    lauf.drucke(QStringLiteral("Summen Festzuschüsse:   "));
    lauf.spalte(6);
    lauf.drucke(QStringLiteral("geschätzte Regel-Eigenanteile "));
    lauf.zeileEnde();
    // The level before each index, the highest for the first: Härtefall leads the block.
    for (int k = 0; k < PlanState::stufen; ++k) {
        const int j = k - 1 < 0 ? PlanState::stufen - 1 : k - 1;
        const auto s = static_cast<std::size_t>(j);
        lauf.spalte(2);
        lauf.drucke(d.lblBonus[s]);
        lauf.drucke(QStringLiteral(" : "));
        lauf.spalte(4);
        lauf.drucke(d.festsum[s]);
        lauf.drucke(QStringLiteral(" EUR"));
        lauf.spalte(6);
        lauf.drucke(d.eigenanteil[s]);
        lauf.drucke(QStringLiteral(" EUR"));
        lauf.zeileEnde();
    }
    lauf.zeileEnde();
}

void wertezeile(Drucklauf &lauf)
{
    lauf.spalte(1);
    lauf.drucke(QStringLiteral(
        " Werte (in EUR ) der Einzelbefunde , Angabe gemäß gewählter Bonusstufe : '"));
    lauf.drucke(lauf.daten.lblBonus[static_cast<std::size_t>(stufe(lauf))]);
    lauf.drucke(QStringLiteral("'"));
    lauf.zeileEnde();
    lauf.zeileEnde();
}

void befundzeile(Drucklauf &lauf, int zeile)
{
    const auto z = static_cast<std::size_t>(zeile);
    const PlanState &plan = lauf.daten.plan;
    const auto &werte = plan.planwert[z];
    const int b = stufe(lauf);
    Druckflaeche &f = lauf.flaeche;

    f.setX(0);
    lauf.drucke(QStringLiteral("Festzuschuss:"));
    // The region as typed, ending at 2.8 U; a long one runs into the label or past the margin.
    const QString &region = lauf.daten.regio[z];
    const float x = 3 * lauf.U - static_cast<float>(f.textBreite(region)) - lauf.U / 5;
    f.setX(static_cast<double>(x));
    lauf.drucke(region);
    lauf.spalte(3);
    lauf.druckeBis(plan.plantext[z][0].trimmed() + QStringLiteral("  ") + plan.plantext[z][1],
                   static_cast<double>(5 * lauf.U));
    lauf.spalte(5);
    lauf.drucke(zahlFeld(werte[PlanState::spalteAnzahl]));
    lauf.drucke(QStringLiteral("x "));
    lauf.spalte(6);
    lauf.drucke(betragFeld(werte[static_cast<std::size_t>(b)], lauf.locale));
    lauf.spalte(7);
    lauf.drucke(
        betragFeld(werte[static_cast<std::size_t>(PlanState::spalteSumme + b)], lauf.locale));
    lauf.zeileEnde();
}
