// Keeping a plan and handing it over: saving it to a plan file, opening one again (rebuilt through
// the window's own handlers, as if the user typed and clicked it), writing a report as a PDF file,
// and the context menu that lists these.

#include "app/beschriftung.h"
#include "app/dialoge.h"
#include "app/main_window.h"
#include "plan/plandatei.h"
#include "plattform/textdatei.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QMenu>
#include <QSignalBlocker>

namespace {

QString anzeigePfad(const QString &pfad)
{
    return QDir::toNativeSeparators(pfad);
}

} // namespace

void Main::aktionenAnlegen()
{
    // The menu shows the German key names after the tab; the keys themselves are the actions'.
    auto aktion = [this](const QString &text, const QKeySequence &taste, void (Main::*tun)()) {
        auto *a = new QAction(text, this);
        a->setShortcut(taste);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, tun);
        addAction(a);
        return a;
    };
    aktOeffnen = aktion(QStringLiteral("Öffnen …\tStrg+O"), QKeySequence(Qt::CTRL | Qt::Key_O),
                        &Main::plan_oeffnen);
    aktSpeichern = aktion(QStringLiteral("Speichern …\tStrg+S"), QKeySequence(Qt::CTRL | Qt::Key_S),
                          &Main::plan_speichern);
    aktPdf = aktion(QStringLiteral("Als PDF speichern …\tStrg+P"),
                    QKeySequence(Qt::CTRL | Qt::Key_P), &Main::pdf_wahl_zeigen);
}

void Main::contextMenuEvent(QContextMenuEvent *ereignis)
{
    QMenu menue(this);
    menue.addActions({aktOeffnen, aktSpeichern, aktPdf});
    menue.exec(ereignis->globalPos());
}

void Main::pdf_wahl_zeigen()
{
    druckwahl_zeigen();
    pdfWahl_ = true;
}

void Main::plan_speichern()
{
    // A region being typed is saved as it will count: evaluated as when its box is left.
    for (int row = 0; row < PlanState::zeilen; ++row)
        if (regio[row]->hasFocus())
            regio_auswerten(row);

    plandatei::Plan daten;
    daten.patient = Patient->text();
    daten.bonusstufe = plan.aktbonus;
    for (int row = 0; row < PlanState::zeilen; ++row) {
        plandatei::Zeile &z = daten.zeilen[row];
        z.region = regio[row]->text();
        z.befnr = plan.plantext[row][0];
        z.beftext = plan.plantext[row][1];
        for (int b = 0; b < PlanState::stufen; ++b)
            z.betrag[b] = plan.planwert[row][b];
        z.anzahl = plan.hatBefund(row) ? plan.planwert[row][PlanState::spalteAnzahl] : 0;
    }

    const QString pfad =
        dialoge_->planSpeicherort(plandatei::dateiname(Patient->text(), QDate::currentDate()));
    if (pfad.isEmpty())
        return;
    const QString grund = dateiErsetzen(pfad, plandatei::alsJson(daten));
    if (!grund.isEmpty())
        dialoge_->meldung(QStringLiteral("Der Plan konnte nicht in „%1“ gespeichert werden "
                                         "(%2).\n\nEine vorhandene Datei dieses Namens ist "
                                         "unverändert.")
                              .arg(anzeigePfad(pfad), grund));
}

void Main::befundWaehlen(int i)
{
    // The list reports a selection made by the program like a keyboard move; here the click
    // handler runs once, as for a mouse click on the entry.
    {
        const QSignalBlocker still(befwahl[0]);
        befwahl[0]->setCurrentRow(i);
    }
    auswahlPerTaste_ = false;
    befwahl_Click(0);
}

void Main::plan_oeffnen()
{
    const QString pfad = dialoge_->planDatei();
    if (pfad.isEmpty())
        return;
    // The whole file is read and checked before anything in the window changes.
    const auto bytes = dateiLesen(pfad, plandatei::hoechsteGroesse);
    const plandatei::Gelesen gelesen = bytes
        ? plandatei::lesen(*bytes)
        : plandatei::Gelesen {std::nullopt,
                              QStringLiteral("Die Datei ist nicht da oder nicht lesbar.")};
    if (!gelesen.plan) {
        dialoge_->meldung(QStringLiteral("Die Plandatei „%1“ kann nicht geöffnet werden.\n\n%2\n\n"
                                         "Der Plan im Fenster bleibt unverändert.")
                              .arg(anzeigePfad(pfad), gelesen.fehler));
        return;
    }
    const plandatei::Plan &daten = *gelesen.plan;

    // Row by row as the user would: into the region box, type, leave it, click the finding (the
    // clear entry for a row without one, or whose finding today's catalogue lacks).
    Patient->setText(daten.patient);
    for (int row = 0; row < PlanState::zeilen; ++row) {
        const plandatei::Zeile &z = daten.zeilen[row];
        zeile_waehlen(row, 0);
        regio[row]->setText(z.region);
        regio_auswerten(row);
        befundWaehlen(z.beftext.trimmed().isEmpty()
                          ? 0
                          : plandatei::befundSuchen(katalog, z.befnr, z.beftext));
    }
    if (bonus[daten.bonusstufe]->isChecked())
        bonus_Click(daten.bonusstufe);
    else
        bonus[daten.bonusstufe]->setChecked(true);
    zeile_waehlen(0, 0);
    // The plan is what the user wants to see now, as after typing it: the help makes way.
    hilfe_gezeigt = true;
    txtHilfe->setVisible(false);

    const QStringList abweichungen = plandatei::abweichungen(daten, plan);
    if (!abweichungen.isEmpty())
        dialoge_->meldung(QStringLiteral("Der Plan aus „%1“ wurde mit dem heutigen Befundkatalog "
                                         "geöffnet. Dabei hat sich etwas geändert:\n\n%2")
                              .arg(anzeigePfad(pfad), abweichungen.join(u'\n')));
}
