// Printing a plan through the real window onto a real CUPS queue. PDFSAVE keeps every job as the
// PDF the program sent, PDFABWEISEND refuses every job (scripts/drucker_einrichten.sh sets both
// up); the test makes one of them this process's default printer through PRINTER and reads a job
// back with pdftotext -bbox. keinDrucker runs in a process that reaches no CUPS server at all.

#include "../plattform/pdfwoerter.h"
#include "plattform/qt_druckflaeche.h"
#include "testfenster.h"

#include <QDeadlineTimer>
#include <QPrinterInfo>
#include <QRandomGenerator>

class TstDruckE2e : public QObject
{
    Q_OBJECT

private slots:
    void echterDrucker();
    void langeRegionen();
    void abgewiesen();
    void keinDrucker();
};

namespace {

// The job of PDFSAVE that holds the word kennung, which the print run made after the jobs vorher.
PdfInhalt auftrag(const QString &kennung, const QStringList &vorher)
{
    const QDir ablage(QStringLiteral("/var/spool/pdfsave"));
    PdfInhalt pdf;
    for (const QDeadlineTimer frist(30000); !pdf.wort(kennung) && !frist.hasExpired();
         QTest::qWait(100))
        for (const QString &name : ablage.entryList({"job-*.pdf"}, QDir::Files))
            if (!vorher.contains(name) && !pdf.wort(kennung))
                pdf = pdfWoerterLesen(ablage.filePath(name));
    return pdf;
}

QStringList auftraege()
{
    return QDir(QStringLiteral("/var/spool/pdfsave")).entryList({"job-*.pdf"}, QDir::Files);
}

// Where words of a page cross each other or lie less than rand points from its edges; empty when
// nowhere.
QString ueberschneidung(const PdfInhalt &pdf, double rand)
{
    for (const PdfWort &a : pdf.woerter) {
        if (a.xMin < rand || a.yMin < rand || a.xMax > pdf.seitenBreite - rand
            || a.yMax > pdf.seitenHoehe - rand)
            return a.text
                + QStringLiteral(" outside, page %1 at %2 %3").arg(a.seite).arg(a.xMin).arg(a.yMin);
        for (const PdfWort &b : pdf.woerter)
            if (&a < &b && a.seite == b.seite && a.xMax - 0.01 > b.xMin && b.xMax - 0.01 > a.xMin
                && a.yMax - 0.01 > b.yMin && b.yMax - 0.01 > a.yMin)
                return a.text + " / " + b.text;
    }
    return {};
}

} // namespace

void TstDruckE2e::echterDrucker()
{
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains("PDFSAVE"),
             "The print queue PDFSAVE is missing: run scripts/einrichten.sh test");
    qputenv("PRINTER", "PDFSAVE");
    const QStringList vorher = auftraege();
    // Digits only: letters such as "ff" come back from the PDF as one ligature character.
    const QString kennung = QString::number(QRandomGenerator::global()->generate64());

    Testfenster t;
    // A name too long for its place ends with "…" before "Kalvomat".
    t.c<QLineEdit>("Patient")->setText(kennung + " Muster-Beispielhausen");
    t.tippeRegion(3, "11,12 21");
    t.listeKlick(2); // "Krone je Zahn": BEMA 20a and the deduction 19, BEL 0010
    t.klick(t.c("bonus(1)"));
    t.klick(t.c("cmdDrucken"));
    t.klick(t.c("cmdDruckwahl(6)")); // "BEMA+BEL gesamt"
    QVERIFY2(t.gesagt.fragen.isEmpty(), qPrintable(t.gesagt.fragen.join('\n')));
    QVERIFY(!t.c("drkframe")->isVisible());

    // The new job with the mark.
    PdfInhalt pdf = auftrag(kennung, vorher);
    QVERIFY2(pdf.wort(kennung), qPrintable("no job with the mark " + kennung + " " + pdf.fehler));
    QCOMPARE(pdf.seiten, 1);
    // Words in the order of the page: line by line from the top, each line from the left.
    std::sort(pdf.woerter.begin(), pdf.woerter.end(), [](const PdfWort &a, const PdfWort &b) {
        return std::tuple(a.seite, qRound(a.yMin), a.xMin)
            < std::tuple(b.seite, qRound(b.yMin), b.xMin);
    });

    // The column unit as the run used it: a tenth of the printable width; the printable area is
    // centred on the sheet.
    const double breite = QtDruckflaeche::standardDrucker()->breite() / 20.0;
    const double rand = (pdf.seitenBreite - breite) / 2, U = breite / 10;
    // Every text that the report places at a column, in reading order, with its column.
    const QStringList erwartet = QStringList {kennung + "@1"}
        + QStringLiteral("Kalvomat@4 Summen@3 geschätzte@6 Härtefall@2 ohne@2 Werte@1 "
                         "Festzuschuss:@0 1.1@3 "
                         "Regelversorgung:@0 BEMA@2 !@3 19@4 Provisorium@5 20a@4 Krone@5 "
                         "Regelversorgung:@0 BEL@2 0010@4 Modell@5")
              .split(u' ');
    qsizetype i = 0;
    for (const QString &paar : erwartet) {
        while (i < pdf.woerter.size() && pdf.woerter[i].text != paar.section(u'@', 0, 0))
            ++i;
        QVERIFY2(i < pdf.woerter.size(), qPrintable("missing in order: " + paar));
        // " Werte" starts with a blank; everything else starts at its column.
        const double x = pdf.woerter[i++].xMin, soll = rand + paar.section(u'@', 1).toDouble() * U;
        QVERIFY2(x >= soll - 0.5 && x <= soll + 6, qPrintable(paar + " at " + QString::number(x)));
    }
    // The region ends at 2.8 U.
    QVERIFY(pdf.wort("21") && qAbs(pdf.wort("21")->xMax - (rand + 2.8 * U)) < 1.5);
    QVERIFY(pdf.wort("210,18"));
    // Nothing overprinted: no two words share any part of their boxes; all lie on the page.
    QCOMPARE(ueberschneidung(pdf, 0), QString());
}

// 20 rows whose regions are too wide for their room, over two pages: every tooth stands in the
// region's column, each line of it ends at 2.8 U, and no word crosses another.
void TstDruckE2e::langeRegionen()
{
    qputenv("PRINTER", "PDFSAVE");
    const QStringList vorher = auftraege();
    const QString kennung = QString::number(QRandomGenerator::global()->generate64());
    const QStringList regionen {"35 44 32 28 13 32 37 17 14 33 11 11 45", "14 15 16 17 24 25 26 27",
                                "11 12 13 14 15 16 17 18 21 22 23 24 25 26 27 28 31 32 33 34 35"};
    Testfenster t;
    t.c<QLineEdit>("Patient")->setText(kennung);
    QStringList zaehne;
    for (int row = 0; row < PlanState::zeilen; ++row) {
        t.tippeRegion(row, regionen[row % 3]);
        t.listeKlick(2);
        zaehne << regionen[row % 3].split(u' ');
    }
    t.klick(t.c("cmdDrucken"));
    t.klick(t.c("cmdDruckwahl(5)")); // "BEMA+BEL je Befund"
    const PdfInhalt pdf = auftrag(kennung, vorher);
    QVERIFY2(pdf.wort(kennung), qPrintable("no job with the mark " + kennung + " " + pdf.fehler));
    QVERIFY(pdf.seiten >= 2);
    QCOMPARE(ueberschneidung(pdf, 0), QString());
    const double breite = QtDruckflaeche::standardDrucker()->breite() / 20.0;
    const double rand = (pdf.seitenBreite - breite) / 2, rechts = rand + 2.8 * breite / 10;
    // Two digits left of the findings' column are teeth of a region; the last of a line ends at
    // 2.8 U.
    QStringList gedruckt;
    QMap<std::pair<int, int>, double> zeilenEnde;
    for (const PdfWort &w : pdf.woerter)
        if (w.text.size() == 2 && w.text.toInt() > 0 && w.xMax < rechts + 1) {
            gedruckt << w.text;
            double &ende = zeilenEnde[{w.seite, qRound(w.yMin)}];
            ende = std::max(ende, w.xMax);
        }
    std::sort(zaehne.begin(), zaehne.end());
    std::sort(gedruckt.begin(), gedruckt.end());
    QCOMPARE(gedruckt, zaehne);
    for (const double ende : zeilenEnde)
        QVERIFY2(qAbs(ende - rechts) < 1.5, qPrintable(QString::number(ende - rechts)));
}

// A queue that takes no jobs: the print run fails, and the question names what CUPS said.
void TstDruckE2e::abgewiesen()
{
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains("PDFABWEISEND"),
             "The print queue PDFABWEISEND is missing: run scripts/einrichten.sh test");
    qputenv("PRINTER", "PDFABWEISEND");
    Testfenster t;
    t.klick(t.c("cmdDrucken"));
    t.klick(t.c("cmdDruckwahl(0)"));
    QCOMPARE(t.gesagt.fragen,
             QStringList {"Beim Drucken auf Ihren Drucker gab es Probleme.\n\nZiel „PDFABWEISEND“ "
                          "akzeptiert keine Druckaufträge.\n\nMöchten Sie den Bericht stattdessen "
                          "als PDF-Datei speichern?"});
}

void TstDruckE2e::keinDrucker()
{
    // Started with CUPS_SERVER pointing nowhere: no printer, not even a default one.
    QVERIFY(QtDruckflaeche::standardDruckerName().isEmpty());
    Testfenster t;
    t.gesagt.antwort = true;
    // First into a folder that is a file: the message gives the system's reason.
    t.gesagt.pdfPfad = t.pfad("bef.txt/statt.pdf");
    t.tippeRegion(0, "11");
    t.listeKlick(2);
    QFile datei(t.gesagt.pdfPfad);
    QVERIFY(!datei.open(QIODevice::WriteOnly) && !datei.errorString().isEmpty());
    const QString frage = "Beim Drucken auf Ihren Drucker gab es Probleme.\n\nEs ist kein "
                          "Standarddrucker eingerichtet.\n\nMöchten Sie den Bericht stattdessen "
                          "als PDF-Datei speichern?";
    for (int mal = 1; mal <= 2; ++mal) {
        t.klick(t.c("cmdDrucken"));
        t.klick(t.c("cmdDruckwahl(0)"));
        QCOMPARE(t.gesagt.fragen, QStringList(mal, frage));
        QCOMPARE(t.gesagt.meldungen,
                 QStringList {"Die PDF-Datei „" + datei.fileName()
                              + "“ konnte nicht geschrieben werden (" + datei.errorString()
                              + ")."});
        t.gesagt.pdfPfad = t.pfad("statt.pdf");
    }
    const PdfInhalt pdf = pdfWoerterLesen(t.gesagt.pdfPfad);
    QVERIFY2(pdf.wort("Festzuschuss:") && pdf.wort("61,78"), qPrintable(pdf.fehler));
    // At least 10 mm free on every side (12 mm margins); within them the columns of the printer's
    // page.
    const double rand = 12 * 72 / 25.4, U = (pdf.seitenBreite - 2 * rand) / 10;
    QCOMPARE(ueberschneidung(pdf, 10 * 72 / 25.4), QString());
    QVERIFY(qAbs(pdf.wort("Festzuschuss:")->xMin - rand) < 0.5);
    QVERIFY(qAbs(pdf.wort("11")->xMax - (rand + 2.8 * U)) < 1.5);
    QVERIFY(qAbs(pdf.wort("1.1")->xMin - (rand + 3 * U)) < 0.5);
}

QTEST_MAIN(TstDruckE2e)
#include "tst_druck_e2e.moc"
