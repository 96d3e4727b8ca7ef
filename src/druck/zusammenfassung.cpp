#include "druck/zusammenfassung.h"

#include "druck/druckflaeche.h"
#include "druck/drucklauf.h"

#include "plan/berechnung.h"

void summenblock(Drucklauf &lauf)
{
    const PlanState &plan = lauf.daten.plan;
    lauf.spalte(3);
    lauf.drucke(QStringLiteral("Summen Festzuschüsse:   "));
    lauf.spalte(6);
    lauf.drucke(QStringLiteral("geschätzte Regel-Eigenanteile "));
    lauf.zeileEnde();
    // The level before each index, the highest for the first: Härtefall leads the block.
    for (int k = 0; k < PlanState::stufen; ++k) {
        const int j = k - 1 < 0 ? PlanState::stufen - 1 : k - 1;
        lauf.spalte(2);
        lauf.drucke(QString::fromUtf16(bonusName[static_cast<std::size_t>(j)]));
        lauf.drucke(QStringLiteral(" : "));
        lauf.spalte(4);
        lauf.drucke(geld::text(plan.festsumme[j], lauf.locale));
        lauf.drucke(QStringLiteral(" EUR"));
        lauf.spalte(6);
        lauf.drucke(geld::text(eigenanteil(plan, j), lauf.locale));
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
    lauf.drucke(QString::fromUtf16(bonusName[static_cast<std::size_t>(lauf.daten.plan.aktbonus)]));
    lauf.drucke(QStringLiteral("'"));
    lauf.zeileEnde();
    lauf.zeileEnde();
}

void befundzeile(Drucklauf &lauf, int zeile)
{
    const Planzeile &z = lauf.daten.plan.zeile[zeile];
    const int b = lauf.daten.plan.aktbonus;
    Druckflaeche &f = lauf.flaeche;

    // The region as typed, each of its lines ending at 2.8 U; it keeps a blank's width from the
    // label. One too wide for that room goes on in further lines below, in its own column.
    const QString label = QStringLiteral("Festzuschuss:");
    const double rechts = static_cast<double>(3 * lauf.U - lauf.U / 5);
    const QStringList region = umbrochen(f, z.region, rechts - f.textBreite(label + u' '));
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
    lauf.druckeBis(z.befnr.trimmed() + QStringLiteral("  ") + z.beftext,
                   static_cast<double>(5 * lauf.U));
    lauf.spalte(5);
    lauf.drucke(zahlFeld(z.anzahl));
    lauf.drucke(QStringLiteral("x "));
    lauf.spalte(6);
    lauf.drucke(betragFeld(z.einfach[b], lauf.locale));
    lauf.spalte(7);
    lauf.drucke(betragFeld(z.summe[b], lauf.locale));
    lauf.zeileEnde();
    // A region longer than a page breaks where the page ends.
    for (const QString &weitere : region.sliced(1)) {
        evtl_neue_druckseite(lauf);
        regionZeile(weitere);
        lauf.zeileEnde();
    }
}
