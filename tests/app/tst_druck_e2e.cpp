// Printing a plan through the real window onto a real CUPS queue. PDFSAVE keeps every job as the
// PDF the program sent (scripts/drucker_einrichten.sh sets it up); the test makes it this
// process's default printer through PRINTER and reads the job back with pdftotext -bbox.
// keinDrucker runs in a process that reaches no CUPS server at all.

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
    void keinDrucker();
};

void TstDruckE2e::echterDrucker()
{
    QVERIFY2(QPrinterInfo::availablePrinterNames().contains("PDFSAVE"),
             "The print queue PDFSAVE is missing: run scripts/einrichten.sh test");
    qputenv("PRINTER", "PDFSAVE");
    const QDir ablage(QStringLiteral("/var/spool/pdfsave"));
    const QStringList vorher = ablage.entryList({"job-*.pdf"}, QDir::Files);
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
    PdfInhalt pdf;
    for (const QDeadlineTimer frist(30000); !pdf.wort(kennung) && !frist.hasExpired();
         QTest::qWait(100))
        for (const QString &name : ablage.entryList({"job-*.pdf"}, QDir::Files))
            if (!vorher.contains(name) && !pdf.wort(kennung))
                pdf = pdfWoerterLesen(ablage.filePath(name));
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
    // Nothing overprinted: no two words of one line share any part of their boxes.
    for (const PdfWort &a : pdf.woerter)
        for (const PdfWort &b : pdf.woerter)
            QVERIFY2(&a >= &b || a.seite != b.seite || qAbs(a.yMin - b.yMin) >= 1
                         || a.xMax - 0.01 <= b.xMin || b.xMax - 0.01 <= a.xMin,
                     qPrintable(a.text + " / " + b.text));
}

void TstDruckE2e::keinDrucker()
{
    // Started with CUPS_SERVER pointing nowhere: no printer, not even a default one.
    QVERIFY(QtDruckflaeche::standardDruckerName().isEmpty());
    Testfenster t;
    t.gesagt.antwort = true;
    t.gesagt.pdfPfad = t.pfad("statt.pdf");
    t.tippeRegion(0, "11");
    t.listeKlick(2);
    t.klick(t.c("cmdDrucken"));
    t.klick(t.c("cmdDruckwahl(0)"));
    QCOMPARE(t.gesagt.fragen.size(), 1);
    QVERIFY(t.gesagt.fragen[0].startsWith("Beim Drucken auf Ihren Drucker gab es Probleme."));
    QVERIFY(t.gesagt.meldungen.isEmpty());
    const PdfInhalt pdf = pdfWoerterLesen(t.gesagt.pdfPfad);
    QVERIFY2(pdf.wort("Festzuschuss:") && pdf.wort("61,78"), qPrintable(pdf.fehler));
}

QTEST_MAIN(TstDruckE2e)
#include "tst_druck_e2e.moc"
