// Keeping a plan and handing it over: saving it to a plan file, opening one again (through the
// editor, with today's catalogue), writing a report as a PDF file, and the context menu that lists
// these.

#include "app/dialoge.h"
#include "app/main_window.h"
#include "plan/plandatei.h"
#include "plattform/textdatei.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
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
    auto aktion = [this](const QString &text, const QKeySequence &taste, auto tun) {
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
                          [this] { plan_speichern(); });
    aktPdf = aktion(QStringLiteral("Als PDF speichern …\tStrg+P"),
                    QKeySequence(Qt::CTRL | Qt::Key_P), &Main::pdf_wahl_zeigen);
    aktZahnschema = aktion(QStringLiteral("Zahnschema …\tStrg+B"),
                           QKeySequence(Qt::CTRL | Qt::Key_B), &Main::zahnschema_zeigen);
}

void Main::contextMenuEvent(QContextMenuEvent *ereignis)
{
    QMenu menue(this);
    menue.addActions({aktOeffnen, aktSpeichern, aktPdf});
    menue.addSeparator();
    menue.addAction(aktZahnschema);
    menue.exec(ereignis->globalPos());
}

void Main::pdf_wahl_zeigen()
{
    pdfWahl_ = true;
    druckwahl_zeigen();
}

bool Main::plan_speichern()
{
    // A region being typed is saved as it will count: evaluated as when its box is left.
    offeneRegionUebernehmen();
    const PlanState &plan = editor_.plan();
    const QString pfad =
        dialoge_->planSpeicherort(plandatei::dateiname(plan.patient, QDate::currentDate()));
    if (pfad.isEmpty())
        return false;
    const QString grund = dateiErsetzen(pfad, plandatei::alsJson(plan));
    if (!grund.isEmpty()) {
        dialoge_->meldung(QStringLiteral("Der Plan konnte nicht in „%1“ gespeichert werden "
                                         "(%2).\n\nEine vorhandene Datei dieses Namens ist "
                                         "unverändert.")
                              .arg(anzeigePfad(pfad), grund));
        return false;
    }
    editor_.planGespeichert();
    return true;
}

void Main::closeEvent(QCloseEvent *ereignis)
{
    // Strg+Q and the window's close button alike. A plan with findings that changed since it was
    // saved or opened is not dropped without asking; one without findings holds nothing to keep.
    offeneRegionUebernehmen();
    bool schliessen = true;
    if (editor_.ungesichert()) {
        switch (dialoge_->vorSchliessen(
            QStringLiteral("Der Plan wurde geändert und ist noch nicht gespeichert.\n\n"
                           "Möchten Sie ihn speichern, bevor Kalvomat beendet wird?"))) {
        case Dialoge::Sichern::speichern:
            schliessen = plan_speichern();
            break;
        case Dialoge::Sichern::verwerfen:
            break;
        case Dialoge::Sichern::abbrechen:
            schliessen = false;
            break;
        }
    }
    ereignis->setAccepted(schliessen);
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

    QStringList abweichungen;
    const Aenderung aenderung = editor_.planOeffnen(*gelesen.plan, abweichungen);
    {
        // The list shows the entry whose details are shown; selecting it here is no choice.
        const QSignalBlocker still(befwahl);
        befwahl->setCurrentRow(editor_.gezeigt());
    }
    zeigen(aenderung);
    // The plan is what the user wants to see now, as after typing it: the help makes way.
    hilfe_gezeigt = true;
    txtHilfe->setVisible(false);

    if (!abweichungen.isEmpty())
        dialoge_->meldung(QStringLiteral("Der Plan aus „%1“ wurde mit dem heutigen Befundkatalog "
                                         "geöffnet. Dabei hat sich etwas geändert:\n\n%2")
                              .arg(anzeigePfad(pfad), abweichungen.join(u'\n')));
}
