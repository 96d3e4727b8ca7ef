// Start-up of the window: caption, placement, catalogue and the layout of rows and sums, help and
// rules texts.

#include "app/beschriftung.h"
#include "app/dialoge.h"
#include "app/main_window.h"
#include "app/schriftwahl.h"
#include "app/twips.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "plattform/textdatei.h"
#include "version.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString befDatei = QStringLiteral("bef.txt");
const QString hilfeDatei = QStringLiteral("hilfe.txt");
const QString anmerkDatei = QStringLiteral("Anmerk.txt");

// A panel shows every line of its file followed by CR LF, the last one too.
QString panelText(const QStringList &zeilen)
{
    QString text;
    for (const QString &z : zeilen)
        text += z + QStringLiteral("\r\n");
    return text;
}

// The text box shows line breaks; CR LF is one break.
QString alsAnzeige(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

QString ordner()
{
    return QDir::toNativeSeparators(QDir::currentPath());
}

} // namespace

int Main::zeile_y(int i)
{
    if (i < 0) {
        zeileYBasis_ = -i;
        return 0;
    }
    return zeileYBasis_ + 330 * i;
}

int Main::spalte_x(int i)
{
    if (i < 0) {
        spalteXBasis_ = -i;
        return 0;
    }
    return spalteXBasis_ + 1400 * i;
}

void Main::Form_Load()
{
    setWindowTitle(windowTitle() + u' ' + QString::fromUtf16(kalvomatVersion));
    // Left 450, Top 0, 11000 twips high; the width stays the designed one.
    move(tw(450), 0);
    resize(width(), tw(11000));
    listhoehe = 3000;
    spaltenkoepfe_setzen();
    befunde_laden();
    Hilfe_laden();
    anmerk_laden();
    setzeHoehe(befwahl, listhoehe);
    setzeBreite(txtnichtz, 7900);
    setzeBreite(txtnichtk, 7900);
    regio[0]->setFocus(Qt::OtherFocusReason);
}

void Main::spaltenkoepfe_setzen()
{
    const QString titel[6] = {QStringLiteral("Befundauswahl"), QStringLiteral("Region"),
                              QStringLiteral("Nr+ Befund"),    QStringLiteral("Anzahl"),
                              QStringLiteral("Einfach"),       QStringLiteral("Summe")};
    const int links[6] = {200, 4200, 5300, 7000, 8000, 9000};
    for (int i = 0; i < 6; ++i) {
        Beschriftung *k = lblhead[i];
        setzeTop(k, 3700);
        k->setAutoSize(true);
        QFont f = k->font();
        f.setBold(true);
        f.setPointSizeF(10);
        k->setFont(f);
        setzeHoehe(k, 300);
        k->setCaption(titel[i]);
        setzeLeft(k, links[i]);
    }
}

void Main::befunde_laden()
{
    const auto bytes = dateiLesen(befDatei);
    const Textinhalt datei = bytes ? textinhalt(*bytes) : Textinhalt();
    editor_.katalogSetzen(katalogAusZeilen(datei.zeilen));
    const Katalog &katalog = editor_.katalog();
    befwahl->addItems(katalog.liste());
    for (int k = 0; k < katalog.gruppen().size(); ++k)
        befgr[k]->setCaption(katalog.gruppen().at(k));

    if (!bytes) {
        dialoge_->meldung(
            QStringLiteral("Die Befunddatei „%1“ wurde im Ordner „%2“ nicht gefunden "
                           "oder konnte nicht gelesen werden.\n\nKalvomat startet mit "
                           "einer leeren Befundliste. Legen Sie die Datei in diesen "
                           "Ordner und starten Sie das Programm neu.")
                .arg(befDatei, ordner()));
    } else if (const QStringList fehler = fehlerZeilen(katalogPruefen(datei, katalog), 10);
               !fehler.isEmpty()) {
        // The lines beyond the table limits are among these errors. Ten lines at most, so that
        // even a file of random bytes gives a message whose OK button stays on the screen. A
        // file with lines but no finding leaves the list empty, which the message says first.
        const QString einleitung = !datei.zeilen.isEmpty() && katalog.anzahlBefunde() == 0
            ? QStringLiteral("Die Befunddatei „%1“ im Ordner „%2“ enthält keinen Befund; "
                             "Kalvomat startet mit einer leeren Befundliste. Berichtigen Sie "
                             "die Datei und starten Sie das Programm neu:")
            : QStringLiteral("Die Befunddatei „%1“ im Ordner „%2“ enthält Fehler; Beträge und "
                             "Leistungen dieser Zeilen können falsch sein oder fehlen:");
        dialoge_->meldung(einleitung.arg(befDatei, ordner()) + QStringLiteral("\n\n")
                          + fehler.join(u'\n')
                          + QStringLiteral("\n\nEine genaue Prüfung zeigt: kalvomat --pruefen"));
    }

    // Tooltips and the place of the finding list.
    cmdAufAb->setToolTip(
        QStringLiteral("verschiebt Ansicht nach oben, wenn zu groß für den Bildschirm "));
    setzeGeometrie(befwahl, 200, 4000, 1800, 200);
    befwahl->setToolTip(QStringLiteral("Auswählen (oder löschen durch 'bitte wählen')"));
    // The levels 0..2 stand in columns from 6900, "Härtefall" left of them at 5600.
    spalte_x(-6900);
    // The totals and own shares stand 1300 twips apart where they are closest ("Härtefall" left
    // of "ohne Bonus"): the widest figure, at the designed 11 points where it can, ends a little
    // before the next column and within the own-share box's height.
    QFont summenSchrift = festsum[0]->font();
    summenSchrift.setPointSizeF(11);
    summenSchrift =
        passendeSchrift({summenSchrift}, breitesteBetraege(), QSizeF(tw(1300 - 60), tw(255)));
    for (int i = 0; i < 4; ++i) {
        int x = spalte_x(i);
        if (i >= 3)
            x = x - 5600 + 100;
        setzeTop(festsum[i], 3140);
        setzeLeft(festsum[i], x);
        festsum[i]->setFont(summenSchrift);
        festsum[i]->setCaption(QStringLiteral("0"));
        setzeTop(eigenanteil[i], 3140 - 250);
        setzeLeft(eigenanteil[i], x);
        eigenanteil[i]->setFont(summenSchrift);
        eigenanteil[i]->setCaption(QStringLiteral("0"));
        setzeTop(lblBonus[i], 3400);
        setzeLeft(lblBonus[i], x);
        setzeTop(bonus[i], 3400);
        setzeLeft(bonus[i], x - 250);
    }
    // Selecting level 0 runs its handler at once.
    bonus[0]->setChecked(true);
    // The patient's name, the labels of the sums and own shares.
    setzeTop(Patient, 3400);
    setzeLeft(Patient, 200);
    setzeTop(lblsumfest, 3140 - 20);
    setzeTop(lblEigenanteil, 2890 - 250);
    setzeLeft(lblEigenanteil, 3700);
    setzeLeft(lblsumfest, 3200);
    eigenanteil[0]->setCaption(festsum[0]->caption());
    eigenanteil[0]->setVisible(true);
    // The group labels below the finding list.
    zeile_y(-7200);
    for (int i = 0; i < Katalog::gruppenAnzahl; ++i) {
        setzeLeft(befgr[i], 300);
        setzeTop(befgr[i], zeile_y(i));
    }
    // The plan rows, 330 twips apart from 4000; result labels 50 twips lower.
    zeile_y(-4000);
    for (int i = 0; i < PlanState::zeilen; ++i) {
        setzeGeometrie(regio[i], 2200, zeile_y(i), 3000, 220);
        regio[i]->setToolTip(
            QStringLiteral("OK UK und/oder ZahnNummer durch Komma oder Leerzeichen getrennt"));
    }
    for (int i = 0; i < PlanState::zeilen; ++i) {
        setzeGeometrie(erg_befund[i], 5300, zeile_y(i) + 50, erg_befund[i]->width() * twipsJePixel,
                       220);
        erg_befund[i]->setCaption(QString());
    }
    for (int i = 0; i < PlanState::zeilen; ++i) {
        const int top = zeile_y(i) + 50;
        setzeGeometrie(erg_anz[i], 7200, top, erg_anz[i]->width() * twipsJePixel, 220);
        setzeGeometrie(erg_einfach[i], 8200, top, erg_einfach[i]->width() * twipsJePixel, 220);
        setzeGeometrie(erg_befsum[i], 9200, top, erg_befsum[i]->width() * twipsJePixel, 220);
    }
    // A row figure keeps the window's face and size where its box holds it; a wider one is set
    // smaller, in a narrow face where that shows it larger.
    QFont schmal = schmaleSchrift();
    schmal.setPointSizeF(font().pointSizeF());
    for (int i = 0; i < PlanState::zeilen; ++i) {
        erg_einfach[i]->setSchriften({font(), schmal});
        erg_befsum[i]->setSchriften({font(), schmal});
    }
}

void Main::Hilfe_laden()
{
    const auto bytes = dateiLesen(hilfeDatei);
    QString hilfeText;
    if (bytes) {
        hilfeText = panelText(textzeilen(*bytes));
    } else {
        hilfeText = QStringLiteral("Die Hilfedatei „%1“ wurde im Ordner „%2“ nicht gefunden oder "
                                   "konnte nicht gelesen werden.\r\n")
                        .arg(hilfeDatei, ordner());
    }
    txtHilfe->setPlainText(alsAnzeige(hilfeText));
}

void Main::anmerk_laden()
{
    leerAnlegenFallsFehlt(anmerkDatei);
    const auto bytes = dateiLesen(anmerkDatei);
    txtanmerk->setPlainText(alsAnzeige(bytes ? panelText(textzeilen(*bytes)) : QString()));
}
