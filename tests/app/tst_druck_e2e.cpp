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
#include <QSet>
#include <QTest>
#include <algorithm>

namespace {
const QString ablage = QStringLiteral("/var/spool/pdfsave");

QStringList auftragsDateien()
{
    return QDir(ablage).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
}

// Waits for the job whose words contain the mark.
PdfInhalt auftragMit(const QString &kennung, const QSet<QString> &vorher)
{
    QSet<QString> geprueft = vorher;
    const QDeadlineTimer frist(30000);
    while (!frist.hasExpired()) {
        for (const QString &name : auftragsDateien()) {
            if (geprueft.contains(name))
                continue;
            geprueft.insert(name);
            PdfInhalt pdf = pdfWoerterLesen(QDir(ablage).filePath(name));
            for (const PdfWort &w : pdf.woerter)
                if (w.text == kennung)
                    return pdf;
        }
        QTest::qWait(100);
    }
    return {};
}

// Two words of one line whose boxes intersect, as "a / b"; empty when nothing is overprinted.
QString ueberdruck(const PdfInhalt &pdf)
{
    for (const PdfWort &a : pdf.woerter)
        for (const PdfWort &b : pdf.woerter)
            if (&a < &b && a.seite == b.seite && qAbs(a.yMin - b.yMin) < 1 && a.xMin < b.xMax - 0.01
                && b.xMin < a.xMax - 0.01)
                return a.text + " / " + b.text;
    return {};
}
} // namespace

class TstDruckE2e : public QObject
{
    Q_OBJECT

private slots:
    void echterDrucker();
    void keinDrucker();
};

void TstDruckE2e::echterDrucker()
{
    if (!QPrinterInfo::availablePrinterNames().contains(QStringLiteral("PDFSAVE")))
        QFAIL("The print queue PDFSAVE is missing: run scripts/einrichten.sh test");
    QVERIFY2(pdftotextVorhanden(),
             "pdftotext (poppler-utils) is missing: run scripts/einrichten.sh test");
    qputenv("PRINTER", "PDFSAVE");
    const QStringList liste = auftragsDateien();
    const QSet<QString> vorher(liste.cbegin(), liste.cend());
    // Digits only: letters such as "ff" come back from the PDF as one ligature character.
    const QString kennung = QString::number(QRandomGenerator::global()->generate64());

    Testfenster t;
    Main &w = t.w();
    // A name too long for its place ends with "…" before "Kalvomat".
    w.Patient->setText(kennung + QStringLiteral(" Muster-Beispielhausen"));
    t.tippeRegion(3, "11,12 21");
    t.listeKlick(2); // "Krone je Zahn": BEMA 20a and the deduction 19, BEL 0010
    t.klick(w.bonus[1]);
    t.klick(w.cmdDrucken);
    t.klick(w.cmdDruckwahl[6]); // "BEMA+BEL gesamt"
    QVERIFY2(t.gesagt.fragen.isEmpty(), qPrintable(t.gesagt.fragen.join('\n')));
    QVERIFY(!w.drkframe->isVisible());

    PdfInhalt pdf = auftragMit(kennung, vorher);
    QVERIFY2(pdf.gelesen, qPrintable("no job with the mark " + kennung + " " + pdf.fehler));
    // Words in the order of the page: line by line from the top, each line from the left.
    std::sort(pdf.woerter.begin(), pdf.woerter.end(), [](const PdfWort &a, const PdfWort &b) {
        if (a.seite != b.seite)
            return a.seite < b.seite;
        if (qAbs(a.yMin - b.yMin) > 1)
            return a.yMin < b.yMin;
        return a.xMin < b.xMin;
    });
    QCOMPARE(pdf.seiten, 1);

    // The column unit as the run used it: a tenth of the printable width; the printable area is
    // centred on the sheet.
    const double breitePt = QtDruckflaeche::standardDrucker()->breite() / 20.0;
    const double rand = (pdf.seitenBreite - breitePt) / 2;
    const double U = breitePt / 10;

    // Every text that the report places at a column, in reading order, with its column.
    struct Erwartet
    {
        QString wort;
        double spalte;
    };
    const QList<Erwartet> erwartet = {
        {kennung, 1},
        {"Kalvomat", 4},
        {"Summen", 3},
        {"geschätzte", 6},
        {"Härtefall", 2},
        {"ohne", 2},
        {"Werte", 1.0},
        {"Festzuschuss:", 0},
        {"1.1", 3},
        {"Regelversorgung:", 0},
        {"BEMA", 2},
        {"!", 3},
        {"19", 4},
        {"Provisorium", 5},
        {"20a", 4},
        {"Krone", 5},
        {"Regelversorgung:", 0},
        {"BEL", 2},
        {"0010", 4},
        {"Modell", 5},
    };
    qsizetype ab = 0;
    for (const Erwartet &e : erwartet) {
        qsizetype i = ab;
        while (i < pdf.woerter.size() && pdf.woerter[i].text != e.wort)
            ++i;
        QVERIFY2(i < pdf.woerter.size(), qPrintable("missing in order: " + e.wort));
        const double x = pdf.woerter[i].xMin;
        // " Werte" starts with a blank; everything else starts at its column.
        const double soll = rand + e.spalte * U;
        QVERIFY2(x >= soll - 0.5 && x <= soll + 6,
                 qPrintable(QStringLiteral("%1 at %2 pt, column %3 is %4 pt")
                                .arg(e.wort)
                                .arg(x)
                                .arg(e.spalte)
                                .arg(soll)));
        ab = i + 1;
    }
    // "Bonus 20%" and "Bonus 30%" start at 2 U; the "Bonus" of "ohne Bonus" does not.
    int bonusAnSpalte2 = 0;
    for (const PdfWort &wort : pdf.woerter)
        if (wort.text == "Bonus" && qAbs(wort.xMin - (rand + 2 * U)) < 0.5)
            ++bonusAnSpalte2;
    QCOMPARE(bonusAnSpalte2, 2);
    // The region ends at 2.8 U.
    const PdfWort *region = pdf.wort("21");
    QVERIFY(region);
    QVERIFY2(qAbs(region->xMax - (rand + 2.8 * U)) < 1.5,
             qPrintable(QString::number(region->xMax)));
    QVERIFY(pdf.wort("210,18"));
    QVERIFY(pdf.wort(kennung));
    // Nothing overprinted: neither the name nor the list's name before the deduction at 3 U.
    QCOMPARE(ueberdruck(pdf), QString());
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
    t.klick(t.w().cmdDrucken);
    t.klick(t.w().cmdDruckwahl[0]);
    QCOMPARE(t.gesagt.fragen.size(), 1);
    QVERIFY(t.gesagt.fragen.first().startsWith("Beim Drucken auf Ihren Drucker gab es Probleme."));
    QVERIFY(t.gesagt.meldungen.isEmpty());
    const PdfInhalt pdf = pdfWoerterLesen(t.gesagt.pdfPfad);
    QVERIFY2(pdf.gelesen, qPrintable(pdf.fehler));
    QVERIFY(pdf.wort("Festzuschuss:"));
    QVERIFY(pdf.wort("61,78"));
}

QTEST_MAIN(TstDruckE2e)
#include "tst_druck_e2e.moc"
