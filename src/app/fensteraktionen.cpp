// The buttons at the edge of the window: help and rules panels, the screen toggle, the support
// link, and the print choice.

#include "app/beschriftung.h"
#include "app/dialoge.h"
#include "app/main_window.h"
#include "app/twips.h"
#include "druck/druck.h"
#include "plattform/browser.h"

#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

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
    druckwahlBeschriften();
    drkframe->setVisible(true);
    drkframe->raise();
    drkframe->setEnabled(true);
    // From the keyboard: Tab runs through the kinds, Space prints one, Escape cancels.
    cmdDruckwahl[0]->setFocus(Qt::ShortcutFocusReason);
}

void Main::cmdDruckwahl_Click(int Index)
{
    // The frame stays on screen while the report prints.
    const bool alsPdf = std::exchange(pdfWahl_, false);
    if (Index >= 0 && Index < berichtsarten) {
        const DruckDaten daten {editor_.plan(), {}, {}};
        const auto art = static_cast<Berichtsart>(Index);
        if (alsPdf)
            druckauftrag_.alsPdf(daten, editor_.katalog(), art, *dialoge_);
        else
            druckauftrag_.drucken(daten, editor_.katalog(), art, *dialoge_);
    }
    drkframe->setEnabled(false);
    drkframe->setVisible(false);
}

void Main::druckwahlBeschriften()
{
    // The title says where the report goes; a screen reader hears it with each button.
    const QString wohin =
        pdfWahl_ ? QStringLiteral("Als PDF speichern") : QStringLiteral("Drucken");
    drkframe->setTitle(wohin);
    for (int i = 0; i < 8; ++i)
        cmdDruckwahl[i]->setAccessibleName(
            i == 7 ? wohin + QStringLiteral(" abbrechen")
                   : QStringLiteral("%1: %2").arg(
                       wohin, QString::fromUtf16(berichtsName[static_cast<std::size_t>(i)])));
}
