// The buttons at the edge of the window: help and rules panels, the screen toggle, the support
// link, and the print choice with its print run.

#include "app/beschriftung.h"
#include "app/dialoge.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "druck/druck.h"
#include "druck/druckflaeche.h"
#include "plattform/browser.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

void Main::cmdHilfe_Click()
{
    txtHilfe->setVisible(txtHilfe->isHidden());
}

void Main::cmdAnmerk_Click()
{
    txtanmerk->setVisible(txtanmerk->isHidden());
}

void Main::cmdAufAb_Click()
{
    // The window is taller than an 800 x 600 screen: move it up by 2000 twips to reach its lower
    // part, and back to the top of the screen.
    const int top = y() * twipsJePixel;
    if (top >= 0) {
        move(x(), tw(-2000));
        cmdAufAb->setText(QStringLiteral("rauf"));
    } else {
        move(x(), 0);
        cmdAufAb->setText(QStringLiteral("runter"));
    }
}

void Main::lblVelmar_Click()
{
    const QString programmOrdner = QCoreApplication::applicationDirPath();
    const QUrl seite = supportSeite(programmOrdner);
    if (!seiteVorhanden(seite)) {
        dialoge_->meldung(QStringLiteral("Die Support-Seite „linkzuvelmar.html“ wurde im "
                                         "Programmordner „%1“ nicht gefunden.")
                              .arg(QDir::toNativeSeparators(programmOrdner)));
        return;
    }
    if (!seitenoeffner_->oeffnen(seite))
        dialoge_->meldung(QStringLiteral("Es ließ sich kein Web-Browser starten, der die "
                                         "Support-Seite zeigt. Die Seite liegt hier:\n\n%1")
                              .arg(QDir::toNativeSeparators(seite.toLocalFile())));
}

void Main::cmdDrucken_Click()
{
    pdfWahl_ = false;
    druckwahl_zeigen();
}

void Main::druckwahl_zeigen()
{
    drkframe->setVisible(true);
    drkframe->raise();
    drkframe->setEnabled(true);
}

void Main::cmdDruckwahl_Click(int Index)
{
    // The frame stays on screen while the report prints.
    const bool alsPdf = std::exchange(pdfWahl_, false);
    if (Index >= 0 && Index <= 6) {
        if (alsPdf)
            pdf_schreiben(Index);
        else
            druck(Index);
    }
    drkframe->setEnabled(false);
    drkframe->setVisible(false);
}

bool Main::drucken(Druckflaeche &flaeche, int incl)
{
    DruckDaten d;
    d.patient = Patient->text();
    for (int b = 0; b < PlanState::stufen; ++b) {
        d.lblBonus[b] = lblBonus[b]->caption();
        d.festsum[b] = festsum[b]->caption();
        d.eigenanteil[b] = eigenanteil[b]->caption();
    }
    for (int row = 0; row < PlanState::zeilen; ++row)
        d.regio[row] = regio[row]->text();
    d.plan = plan;
    d.befundIndex = zeilenBefund;
    d.datum = QDate::currentDate();
    d.zeit = QTime::currentTime();
    return ::druck(flaeche, d, katalog, incl, leistarray_BEMA, leistarray_BEL);
}

void Main::druck(int incl)
{
    auto flaeche = druckerFabrik_();
    if (flaeche && drucken(*flaeche, incl))
        return;
    // The cause as the system gave it, where it gave one.
    const QString grund = flaeche ? flaeche->fehlerGrund() : QString();
    flaeche.reset();
    if (!dialoge_->frage(QStringLiteral("Beim Drucken auf Ihren Drucker gab es Probleme.\n\n")
                         + (grund.isEmpty() ? QString() : grund + QStringLiteral("\n\n"))
                         + QStringLiteral("Möchten Sie den Bericht stattdessen als PDF-Datei "
                                          "speichern?")))
        return;
    pdf_schreiben(incl);
}

void Main::pdf_schreiben(int incl)
{
    const QString pfad = dialoge_->pdfSpeicherort();
    if (pfad.isEmpty())
        return;
    auto pdf = pdfFabrik_(pfad);
    if (pdf && drucken(*pdf, incl))
        return;
    const QString grund = pdf ? pdf->fehlerGrund() : QString();
    dialoge_->meldung(QStringLiteral("Die PDF-Datei „%1“ konnte nicht geschrieben werden%2.")
                          .arg(QDir::toNativeSeparators(pfad),
                               grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund)));
}
