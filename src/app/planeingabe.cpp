// Plan entry: the handlers of region boxes, finding list, finding search, bonus levels and result
// labels hand the user's action to the editor; zeigen() then shows what the action changed.

#include "app/befundsuche.h"
#include "app/beschriftung.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "app/zahnschema_dialog.h"
#include "plan/berechnung.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

QString geldText(Geld betrag)
{
    return geld::text(betrag, geld::anzeigeLocale());
}

} // namespace

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
    zeigen(editor_.zeileWaehlen(Index + Schritt));
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
    zeigen(editor_.regionEingeben(row, regio[row]->text()));
}

bool Main::regio_KeyDown(int Index, const QKeyEvent *taste)
{
    const int k = taste->key();
    const auto mods = taste->modifiers() & ~Qt::KeypadModifier;
    if (((k == Qt::Key_Return || k == Qt::Key_Enter) && mods == Qt::NoModifier)
        || (k == Qt::Key_Space && mods == Qt::ControlModifier)) {
        // The region typed counts from here, as when the box is left for the finding list: the
        // search holds the focus until it closes, wherever the focus then goes.
        regio_auswerten(Index);
        befundsuche->oeffnen(editor_.katalog(), regio[Index], Index,
                             editor_.plan().zeile[Index].befund);
        return true;
    }
    // Up and Down go from box to box like Shift+Tab and Tab, and stop at the first and last row.
    if ((k == Qt::Key_Up || k == Qt::Key_Down) && mods == Qt::NoModifier) {
        const int ziel = Index + (k == Qt::Key_Down ? 1 : -1);
        if (ziel >= 0 && ziel < PlanState::zeilen)
            regio[ziel]->setFocus(k == Qt::Key_Down ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return false;
}

void Main::befundsuche_Gewaehlt(int i)
{
    // Taken as a click on entry i of the finding list takes it.
    {
        const QSignalBlocker still(befwahl);
        befwahl->setCurrentRow(i);
    }
    befwahl_Click(0);
}

void Main::offeneRegionUebernehmen()
{
    for (int row = 0; row < PlanState::zeilen; ++row)
        if (regio[row]->hasFocus())
            regio_auswerten(row);
}

void Main::befwahl_GotFocus(int)
{
    setzeHoehe(befwahl, listhoehe);
    zeileMarkieren(editor_.plan().aktzeile, true);
}

void Main::befwahl_Click(int)
{
    setzeHoehe(befwahl, listhoehe);
    // Nothing selected stands for the clear entry.
    zeigen(editor_.befundWaehlen(qMax(0, befwahl->currentRow())));
}

void Main::bonus_Click(int Index)
{
    zeigen(editor_.bonusWaehlen(Index));
}

void Main::erg_Click(int Index)
{
    zeile_waehlen(Index, 0);
}

void Main::zeigen(const Aenderung &aenderung)
{
    if (aenderung.details)
        detailsZeigen();
    if (aenderung.patient && Patient->text() != editor_.plan().patient)
        Patient->setText(editor_.plan().patient);
    if (aenderung.stufe)
        stufeZeigen();
    for (int row = 0; row < PlanState::zeilen; ++row)
        if (aenderung.stufe || aenderung.zeilen.test(static_cast<std::size_t>(row)))
            zeileZeigen(row);
    if (aenderung.summen)
        summenZeigen();
    // A chart opened with a plan file shows in the dialog.
    if (aenderung.zahnschema && zahnschemaDialog)
        zahnschemaDialog->zeigen(editor_.plan().zahnschema, editor_.katalog());
    // The marker and the cursor go to the current row. The box that gets the focus runs its
    // handler at once (and the box that loses it, its own), so this comes last.
    if (aenderung.aktzeile) {
        zeileMarkieren(aenderung.vorher, false);
        regio[editor_.plan().aktzeile]->setFocus(Qt::OtherFocusReason);
        zeileMarkieren(editor_.plan().aktzeile, true);
    }
}

void Main::zeileZeigen(int row)
{
    const PlanState &plan = editor_.plan();
    const Planzeile &z = plan.zeile[row];
    if (regio[row]->text() != z.region)
        regio[row]->setText(z.region);
    // A row without a finding shows an empty finding label, not the two blanks between an empty
    // number and text.
    const bool befund = z.befund > 0;
    const QString befundText =
        befund ? z.befnr.trimmed() + QStringLiteral("  ") + z.beftext : QString();
    erg_befund[row]->setCaption(befundText);
    erg_befund[row]->setToolTip(editor_.katalog().befund(z.befund).befinfo1);
    erg_anz[row]->setCaption(befundText.trimmed().isEmpty() ? QString()
                                                            : QString::number(z.anzahl));
    erg_einfach[row]->setCaption(geldText(z.einfach[plan.aktbonus]));
    erg_befsum[row]->setCaption(geldText(z.summe[plan.aktbonus]));
    erg_einfach[row]->setToolTip(
        befund ? QStringLiteral("Zuschuß der gewählten Bonusstufe, je Befund") : QString());
    erg_befsum[row]->setToolTip(befund ? QStringLiteral("Zuschuß der gewählten Bonusstufe, Summe")
                                       : QString());
}

void Main::summenZeigen()
{
    const PlanState &plan = editor_.plan();
    for (int b = 0; b < PlanState::stufen; ++b) {
        festsum[b]->setCaption(geldText(plan.festsumme[b]));
        eigenanteil[b]->setCaption(geldText(::eigenanteil(plan, b)));
    }
}

void Main::stufeZeigen()
{
    // The chosen level is framed and its button checked; checking it here starts no handler.
    const int stufe = editor_.plan().aktbonus;
    for (int b = 0; b < PlanState::stufen; ++b)
        lblBonus[b]->setRahmen(b == stufe);
    const QSignalBlocker still(bonus[stufe]);
    bonus[stufe]->setChecked(true);
}
