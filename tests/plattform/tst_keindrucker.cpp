// A machine without any printer: the CUPS server cannot be reached, so no queue exists, not even
// the one named in PRINTER. Its own process, because the CUPS library keeps its server once asked.

#include "pdfwoerter.h"
#include "plattform/qt_druckflaeche.h"

#include <QPrinterInfo>
#include <QTest>

class TstKeinDrucker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void keinStandardDrucker();
    void druckOhneDruckerTutNichts();
};

void TstKeinDrucker::initTestCase()
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    qputenv("PRINTER", "PDFSAVE");
}

void TstKeinDrucker::keinStandardDrucker()
{
    QCOMPARE(QPrinterInfo::availablePrinterNames(), QStringList());
    QCOMPARE(QtDruckflaeche::standardDruckerName(), QString());
}

void TstKeinDrucker::druckOhneDruckerTutNichts()
{
    auto flaeche = QtDruckflaeche::standardDrucker();
    QVERIFY(!flaeche->bereit());
    QCOMPARE(flaeche->druckerName(), QString());
    // A whole report run finishes on it: the measures stay usable, nothing is drawn.
    const TestberichtMasse masse = testberichtDrucken(*flaeche, QStringLiteral("nichts"));
    QVERIFY(masse.breite > 0 && masse.hoehe > 0 && masse.zeile > 0);
    QCOMPARE(flaeche->y(), 2 * masse.zeile);
    QVERIFY(!flaeche->dokumentEnde());
}

QTEST_MAIN(TstKeinDrucker)
#include "tst_keindrucker.moc"
