// Plan entry: region boxes, the finding list, bonus levels, result labels, exclusion boxes and
// detail labels. The counting and the arithmetic are the core's; here they are shown.

#include "app/beschriftung.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "plan/berechnung.h"
#include "plan/region.h"

QString Main::geldText(Geld betrag) const
{
    return geld::text(betrag, geld::anzeigeLocale());
}

void Main::zeileMarkieren(int row, bool aktuell)
{
    // The current row's finding label has the background of a text box, the others that of a
    // button face.
    QPalette p = erg_befund[row]->palette();
    p.setColor(QPalette::Window, palette().color(aktuell ? QPalette::Base : QPalette::Button));
    erg_befund[row]->setPalette(p);
}

void Main::zeile_waehlen(int Index, int Schritt)
{
    zeileMarkieren(plan.aktzeile, false);
    plan.aktzeile = qBound(0, Index + Schritt, PlanState::zeilen - 1);
    regio[plan.aktzeile]->setFocus(Qt::OtherFocusReason);
    zeileMarkieren(plan.aktzeile, true);
}

void Main::regio_Click(int Index)
{
    zeile_waehlen(Index, 0);
    // The focus that the first region box gets when the window opens leaves the help on screen;
    // every later click or focus into a region box hides it.
    if (hilfe_gezeigt)
        txtHilfe->setVisible(false);
    else
        hilfe_gezeigt = true;
}

void Main::regio_GotFocus(int Index)
{
    regio_Click(Index);
}

void Main::regio_lostfocus(int Index)
{
    regio_auswerten(Index);
}

void Main::regio_auswerten(int row)
{
    const RegionErgebnis r = regionAuswerten(regio[row]->text(), plan.grenzen(row));
    if (regio[row]->text() != r.text)
        regio[row]->setText(r.text);
    plan.planwert[row][PlanState::spalteAnzahl] = r.anzahl;
    if (!erg_befund[row]->caption().trimmed().isEmpty())
        erg_anz[row]->setCaption(QString::number(r.anzahl));
    else
        erg_anz[row]->setCaption(QString());
    berechne_erg(row);
}

void Main::befwahl_GotFocus(int Index)
{
    setzeHoehe(befwahl[Index], listhoehe);
    zeileMarkieren(plan.aktzeile, true);
}

void Main::befwahl_LostFocus(int) { }

void Main::befwahl_Click(int Index)
{
    setzeHoehe(befwahl[Index], listhoehe);
    int i = befwahl[Index]->currentRow();
    if (i < 0 || i > Katalog::hoechsterBefund)
        i = 0;
    const Befund &b = katalog.befund(i);

    lblbefund[0]->setCaption(b.befnr);
    lblbefund[1]->setCaption(b.beftext);
    lblbefund[2]->setCaption(b.befinfo1);
    lblbefund[3]->setCaption(b.befinfo2);
    nichtz_text = b.befnichtz;
    nichtk_text = b.befnichtk;
    // A box is filled anew only when it shows another text: laying out a long text is the dearest
    // part of a click, and a box shows its text from the start again whenever it loses the focus.
    if (txtnichtz->toPlainText() != nichtz_text)
        txtnichtz->setPlainText(nichtz_text);
    if (txtnichtk->toPlainText() != nichtk_text)
        txtnichtk->setPlainText(nichtk_text);

    // A group heading only shows its texts; it never goes into a plan row.
    if (katalog.istUeberschrift(i))
        return;

    const int row = aktzeile_lesen();
    befundUebernehmen(plan, row, katalog, i);
    zeilenBefund[row] = i;
    berechne_erg(row);

    erg_befund[row]->setCaption(plan.plantext[row][0].trimmed() + QStringLiteral("  ")
                                + plan.plantext[row][1]);
    erg_befund[row]->setToolTip(b.befinfo1);
    if (!erg_befund[row]->caption().trimmed().isEmpty())
        erg_anz[row]->setCaption(QString::number(plan.planwert[row][PlanState::spalteAnzahl]));
    else
        erg_anz[row]->setCaption(QString());
    erg_einfach[row]->setToolTip(
        i > 0 ? QStringLiteral("Zuschuß der gewählten Bonusstufe, je Befund") : QString());
    erg_befsum[row]->setToolTip(i > 0 ? QStringLiteral("Zuschuß der gewählten Bonusstufe, Summe")
                                      : QString());

    // On to the next row; the last row keeps the marker and the focus.
    if (row < PlanState::zeilen - 1)
        zeile_waehlen(plan.aktzeile, 1);
    if (i > 0)
        regio_auswerten(row);
}

void Main::bonus_Click(int Index)
{
    for (auto *l : lblBonus)
        l->setRahmen(false);
    lblBonus[Index]->setRahmen(true);
    plan.aktbonus = Index;
    berechne_allerg();
}

void Main::berechne_erg(int row)
{
    ::berechne_erg(plan, row);
    erg_einfach[row]->setCaption(geldText(plan.planwert[row][plan.aktbonus]));
    erg_befsum[row]->setCaption(
        geldText(plan.planwert[row][PlanState::spalteSumme + plan.aktbonus]));
    berechne_Festsum();
}

void Main::berechne_allerg()
{
    for (int row = 0; row < PlanState::zeilen; ++row)
        berechne_erg(row);
}

void Main::berechne_Festsum()
{
    ::berechne_Festsum(plan);
    for (int b = 0; b < PlanState::stufen; ++b)
        festsum[b]->setCaption(geldText(plan.festsumme[b]));
    for (int b = 0; b < PlanState::stufen; ++b)
        eigenanteil[b]->setCaption(geldText(::eigenanteil(plan, b)));
}

void Main::erg_befund_Click(int Index)
{
    zeile_waehlen(Index, 0);
}
void Main::erg_anz_Click(int Index)
{
    zeile_waehlen(Index, 0);
}
void Main::erg_einfach_Click(int Index)
{
    zeile_waehlen(Index, 0);
}
void Main::erg_befsum_Click(int Index)
{
    zeile_waehlen(Index, 0);
}

void Main::lblbefund_Mousedown(int Index)
{
    if (Index < 2)
        return;
    // While pressed, the label shows 1500 twips of its text over whatever lies below it.
    lblbefund[Index]->raise();
    setzeHoehe(lblbefund[Index], 1500);
    if (Index == 3)
        for (QWidget *w :
             {static_cast<QWidget *>(lblNichtzahn), static_cast<QWidget *>(txtnichtz),
              static_cast<QWidget *>(lblNichtKiefer), static_cast<QWidget *>(txtnichtk)})
            w->setVisible(false);
}

void Main::lblbefund_Mouseup(int Index)
{
    if (Index < 2)
        return;
    setzeHoehe(lblbefund[Index], 855);
    if (Index == 3)
        for (QWidget *w :
             {static_cast<QWidget *>(lblNichtzahn), static_cast<QWidget *>(txtnichtz),
              static_cast<QWidget *>(lblNichtKiefer), static_cast<QWidget *>(txtnichtk)})
            w->setVisible(true);
}

void Main::txtnichtz_Mousedown()
{
    txtnichtz->raise();
    setzeHoehe(txtnichtz, 750);
}

void Main::txtnichtz_Mouseup()
{
    setzeHoehe(txtnichtz, 285);
}

void Main::txtnichtz_LostFocus()
{
    txtnichtz->setPlainText(nichtz_text);
}

void Main::txtnichtk_Mousedown()
{
    txtnichtk->raise();
    setzeHoehe(txtnichtk, 750);
}

void Main::txtnichtk_Mouseup()
{
    setzeHoehe(txtnichtk, 285);
}

void Main::txtnichtk_LostFocus()
{
    txtnichtk->setPlainText(nichtk_text);
}
