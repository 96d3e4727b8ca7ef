#include "plan/planeditor.h"

#include "plan/berechnung.h"
#include "plan/plandatei.h"
#include "plan/region.h"

#include <QtGlobal>

#include <algorithm>
#include <cassert>
#include <utility>

namespace {

[[maybe_unused]] bool gueltigeZeile(int row)
{
    return row >= 0 && row < PlanState::zeilen;
}

// The region text, cleaned, and its count within the limits of the row's finding.
void regionZaehlen(Planzeile &z, const QString &text)
{
    const RegionErgebnis r = regionAuswerten(text, z.grenzen);
    z.region = r.text;
    z.anzahl = r.anzahl;
}

// The next finding goes into the first row without one; a full plan stays on its last row.
int ersteOhneBefund(const PlanState &plan)
{
    int row = 0;
    while (row < PlanState::zeilen - 1 && plan.zeile[row].hatBefund())
        ++row;
    return row;
}

Aenderung alles()
{
    Aenderung a;
    a.zeilen.set();
    a.summen = a.stufe = a.aktzeile = a.details = a.patient = a.zahnschema = true;
    return a;
}

} // namespace

void Planeditor::katalogSetzen(Katalog katalog)
{
    katalog_ = std::move(katalog);
}

Aenderung Planeditor::regionEingeben(int row, const QString &text)
{
    assert(gueltigeZeile(row));
    Planzeile &z = plan_.zeile[row];
    regionZaehlen(z, text);
    zeilensummen(z);
    berechne_Festsum(plan_);
    Aenderung a;
    a.zeilen.set(row);
    a.summen = true;
    a.vorher = plan_.aktzeile;
    return a;
}

Aenderung Planeditor::befundWaehlen(int i)
{
    assert(i >= 0 && i <= Katalog::hoechsterBefund);
    gezeigt_ = i;
    Aenderung a;
    a.details = true;
    a.vorher = plan_.aktzeile;
    if (katalog_.istUeberschrift(i))
        return a;

    const int row = plan_.aktzeile;
    Planzeile &z = plan_.zeile[row];
    befundUebernehmen(z, katalog_, i);
    if (i > 0)
        regionZaehlen(z, z.region);
    zeilensummen(z);
    berechne_Festsum(plan_);
    a.zeilen.set(row);
    a.summen = true;
    // On to the next row; the last row stays the current one, and the cursor where it is.
    if (row < PlanState::zeilen - 1) {
        plan_.aktzeile = row + 1;
        a.aktzeile = true;
    }
    return a;
}

Aenderung Planeditor::bonusWaehlen(int stufe)
{
    assert(stufe >= 0 && stufe < PlanState::stufen);
    plan_.aktbonus = stufe;
    Aenderung a;
    a.stufe = true;
    a.vorher = plan_.aktzeile;
    return a;
}

Aenderung Planeditor::patientEingeben(const QString &name)
{
    plan_.patient = name;
    Aenderung a;
    a.patient = true;
    a.vorher = plan_.aktzeile;
    return a;
}

Aenderung Planeditor::zeileWaehlen(int row)
{
    Aenderung a;
    a.vorher = std::exchange(plan_.aktzeile, qBound(0, row, PlanState::zeilen - 1));
    a.aktzeile = true;
    return a;
}

Aenderung Planeditor::zeileLeeren(int row)
{
    assert(gueltigeZeile(row));
    Planzeile &z = plan_.zeile[row];
    befundUebernehmen(z, katalog_, 0);
    zeilensummen(z);
    berechne_Festsum(plan_);
    Aenderung a;
    a.zeilen.set(row);
    a.summen = true;
    a.vorher = plan_.aktzeile;
    return a;
}

Aenderung Planeditor::planOeffnen(const PlanState &gespeichert, QStringList &abweichungen)
{
    PlanState neu;
    neu.patient = gespeichert.patient;
    neu.aktbonus = gespeichert.aktbonus;
    neu.zahnschema = gespeichert.zahnschema;
    for (int row = 0; row < PlanState::zeilen; ++row) {
        const Planzeile &alt = gespeichert.zeile[row];
        Planzeile &z = neu.zeile[row];
        const int i =
            alt.hatBefund() ? plandatei::befundSuchen(katalog_, alt.befnr, alt.beftext) : 0;
        befundUebernehmen(z, katalog_, i);
        const std::int64_t ohneBefund = z.anzahl;
        regionZaehlen(z, alt.region);
        if (i == 0)
            z.anzahl = ohneBefund;
        zeilensummen(z);
    }
    berechne_Festsum(neu);
    neu.aktzeile = ersteOhneBefund(neu);
    abweichungen = plandatei::abweichungen(gespeichert, neu);
    Aenderung a = alles();
    a.vorher = plan_.aktzeile;
    plan_ = std::move(neu);
    gezeigt_ = 0;
    planGespeichert();
    return a;
}

Aenderung Planeditor::zahnschemaEingeben(const Zahnschema &schema)
{
    plan_.zahnschema = schema;
    Aenderung a;
    a.zahnschema = true;
    a.vorher = plan_.aktzeile;
    return a;
}

Aenderung Planeditor::vorschlagUebernehmen(const Vorschlag &vorschlag, Uebernahmebericht &bericht)
{
    bericht = Uebernahmebericht {};
    Aenderung a;
    a.vorher = plan_.aktzeile;
    QList<std::pair<const VorgeschlagenerBefund *, int>> befunde;
    for (const VorgeschlagenerBefund &b : vorschlag.befunde) {
        if (const int i = befundNachNummer(katalog_, b.nr); i > 0)
            befunde.append({&b, i});
        else
            bericht.nichtImKatalog << QStringLiteral("%1 (%2)").arg(b.nr, vorschlagsZaehne(b));
    }
    QList<int> frei;
    for (int row = 0; row < PlanState::zeilen; ++row)
        if (!plan_.zeile[row].hatBefund() && plan_.zeile[row].region.trimmed().isEmpty())
            frei << row;
    bericht.befunde = static_cast<int>(befunde.size());
    bericht.freieZeilen = static_cast<int>(frei.size());
    if (befunde.size() > frei.size()) {
        bericht.fehlendeZeilen = static_cast<int>(befunde.size() - frei.size());
        return a;
    }
    for (qsizetype k = 0; k < befunde.size(); ++k) {
        const auto &[b, i] = befunde[k];
        const int row = frei[k];
        Planzeile &z = plan_.zeile[row];
        befundUebernehmen(z, katalog_, i);
        regionZaehlen(z, vorschlagsRegion(*b));
        zeilensummen(z);
        a.zeilen.set(static_cast<std::size_t>(row));
        if (z.anzahl != b->anzahl)
            bericht.andereAnzahl << QStringLiteral("Zeile %1: Befund %2 zählt im Plan %3, "
                                                   "vorgeschlagen %4.")
                                        .arg(row + 1)
                                        .arg(b->nr)
                                        .arg(z.anzahl)
                                        .arg(b->anzahl);
    }
    if (befunde.isEmpty())
        return a;
    berechne_Festsum(plan_);
    a.summen = true;
    plan_.aktzeile = ersteOhneBefund(plan_);
    a.aktzeile = true;
    return a;
}

void Planeditor::planGespeichert()
{
    gesichert_ = plandatei::alsJson(plan_);
}

bool Planeditor::ungesichert() const
{
    // What the file holds decides: the current row is not saved, nor the count of a row without
    // a finding, which the region box counts anew whenever it is left.
    // A chart typed in is work too.
    return (std::any_of(plan_.zeile.begin(), plan_.zeile.end(),
                        [](const Planzeile &z) { return z.hatBefund(); })
            || !(plan_.zahnschema == Zahnschema {}))
        && plandatei::alsJson(plan_) != gesichert_;
}
