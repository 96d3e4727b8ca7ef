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

    // The region as typed, each of its lines ending at 2.8 U; it keeps a blank's width from the
    // label. One too wide for that room goes on in further lines below, in its own column.
    const QString label = QStringLiteral("Festzuschuss:");
    const double rechts = static_cast<double>(3 * lauf.U - lauf.U / 5);
    const QStringList region =
        umbrochen(f, lauf.daten.regio[z], rechts - f.textBreite(label + u' '));
    // The lines stay with their finding on one page.
    if (region.size() > 1)
        evtl_neue_druckseite(lauf, static_cast<int>(region.size() - 1));

    f.setX(0);
    lauf.drucke(label);
    const auto regionZeile = [&](const QString &text) {
        f.setX(
            static_cast<double>(3 * lauf.U - static_cast<float>(f.textBreite(text)) - lauf.U / 5));
        lauf.drucke(text);
    };
    regionZeile(region.constFirst());
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
    // A region longer than a page breaks where the page ends.
    for (const QString &weitere : region.sliced(1)) {
        evtl_neue_druckseite(lauf);
        regionZeile(weitere);
        lauf.zeileEnde();
    }
}
