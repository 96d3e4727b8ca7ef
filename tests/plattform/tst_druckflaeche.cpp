// The print surface writing a PDF file: what is printed must come back from the file with its
// text and at the positions the report asked for.

#include "pdfwoerter.h"
#include "plattform/qt_druckflaeche.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TstDruckflaeche : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void berichtKommtAusDerPdfZurueck();
    void positionFolgtDenTexten();
    void schriftgroesseAendertDieMasse();
    void nichtSchreibbareDateiIstNichtBereit();
    void dokumentEndeNurEinmal();

private:
    QTemporaryDir m_ordner;
};

void TstDruckflaeche::initTestCase()
{
    QVERIFY(m_ordner.isValid());
    if (!pdftotextVorhanden())
        QSKIP("pdftotext (poppler-utils) is not installed; scripts/einrichten.sh test installs it");
}

void TstDruckflaeche::berichtKommtAusDerPdfZurueck()
{
    const QString pfad = m_ordner.filePath(QStringLiteral("bericht.pdf"));
    auto flaeche = QtDruckflaeche::pdfDatei(pfad);
    QVERIFY(flaeche->bereit());
    QCOMPARE(flaeche->druckerName(), QString());
    const TestberichtMasse masse = testberichtDrucken(*flaeche, QStringLiteral("EndeDerDatei"));
    QVERIFY(flaeche->dokumentEnde());

    const PdfInhalt pdf = pdfWoerterLesen(pfad);
    QVERIFY2(pdf.gelesen, qPrintable(pdf.fehler));
    // A4 in points, as Qt rounds it.
    QVERIFY2(qAbs(pdf.seitenBreite - 595) < 0.5, qPrintable(QString::number(pdf.seitenBreite)));
    QVERIFY2(qAbs(pdf.seitenHoehe - 842) < 0.5, qPrintable(QString::number(pdf.seitenHoehe)));
    // W and H are the printable area: inside the sheet, with a margin.
    QVERIFY(masse.breite / 20 < pdf.seitenBreite - 1 && masse.breite / 20 > pdf.seitenBreite - 72);
    QVERIFY(masse.hoehe / 20 < pdf.seitenHoehe - 1 && masse.hoehe / 20 > pdf.seitenHoehe - 72);
    QString fehler;
    QVERIFY2(testberichtPruefen(pdf, masse, QStringLiteral("EndeDerDatei"), fehler),
             qPrintable(fehler));
}

void TstDruckflaeche::positionFolgtDenTexten()
{
    auto flaeche = QtDruckflaeche::pdfDatei(m_ordner.filePath(QStringLiteral("position.pdf")));
    QVERIFY(flaeche->bereit());
    flaeche->setSchriftgroesse(10);
    const double zeile = flaeche->textHoehe(QStringLiteral("X"));
    QVERIFY(zeile > 0);

    flaeche->setX(1234.5);
    QCOMPARE(flaeche->x(), 1234.5);
    flaeche->drucke(QStringLiteral("Zahn 11"));
    QCOMPARE(flaeche->x(), 1234.5 + flaeche->textBreite(QStringLiteral("Zahn 11")));
    QCOMPARE(flaeche->y(), 0.0);
    flaeche->zeileEnde();
    QCOMPARE(flaeche->x(), 0.0);
    QCOMPARE(flaeche->y(), zeile);
    flaeche->zeileEnde(); // an empty line still moves down
    QCOMPARE(flaeche->y(), 2 * zeile);
    flaeche->setX(100);
    flaeche->neueSeite();
    QCOMPARE(flaeche->x(), 0.0);
    QCOMPARE(flaeche->y(), 0.0);
    QVERIFY(flaeche->dokumentEnde());
}

void TstDruckflaeche::schriftgroesseAendertDieMasse()
{
    auto flaeche = QtDruckflaeche::pdfDatei(m_ordner.filePath(QStringLiteral("schrift.pdf")));
    QVERIFY(flaeche->bereit());
    flaeche->setSchriftgroesse(10);
    const double breite10 = flaeche->textBreite(QStringLiteral("Festzuschuss"));
    const double hoehe10 = flaeche->textHoehe(QStringLiteral("Festzuschuss"));
    // A 10 point line is a little more than 10 points (200 twips) high.
    QVERIFY2(hoehe10 > 200 && hoehe10 < 300, qPrintable(QString::number(hoehe10)));
    flaeche->setSchriftgroesse(20);
    const double breite20 = flaeche->textBreite(QStringLiteral("Festzuschuss"));
    QVERIFY2(qAbs(breite20 / breite10 - 2) < 0.05,
             qPrintable(QStringLiteral("%1 / %2").arg(breite20).arg(breite10)));
    QVERIFY(flaeche->dokumentEnde());
}

void TstDruckflaeche::nichtSchreibbareDateiIstNichtBereit()
{
    const QString pfad = m_ordner.filePath(QStringLiteral("fehlt/bericht.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    auto flaeche = QtDruckflaeche::pdfDatei(pfad);
    QVERIFY(!flaeche->bereit());
    // A report run on it does nothing harmful, and its measures still let a layout finish.
    const TestberichtMasse masse = testberichtDrucken(*flaeche, QStringLiteral("nichts"));
    QVERIFY(masse.breite > 0 && masse.hoehe > 0 && masse.zeile > 0);
    QVERIFY(!flaeche->dokumentEnde());
    QVERIFY(!QFileInfo::exists(pfad));
}

void TstDruckflaeche::dokumentEndeNurEinmal()
{
    auto flaeche = QtDruckflaeche::pdfDatei(m_ordner.filePath(QStringLiteral("einmal.pdf")));
    QVERIFY(flaeche->bereit());
    flaeche->drucke(QStringLiteral("A"));
    QVERIFY(flaeche->dokumentEnde());
    QVERIFY(!flaeche->dokumentEnde());
    flaeche->drucke(QStringLiteral("B")); // after the end: ignored, no painter warning
}

QTEST_MAIN(TstDruckflaeche)
#include "tst_druckflaeche.moc"
