// Printing on a real CUPS queue: PDFSAVE keeps every job as the PDF the program sent
// (scripts/drucker_einrichten.sh sets it up), so text and positions can be read back.

#include "pdfwoerter.h"
#include "plattform/qt_druckflaeche.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPrinterInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {
const QString warteschlange = QStringLiteral("PDFSAVE");
const QString ablage = QStringLiteral("/var/spool/pdfsave");

QStringList auftragsDateien()
{
    return QDir(ablage).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
}
} // namespace

class TstDrucker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void standardDruckerAusDerUmgebung();
    void druckAufDerWarteschlange();
    void unbekannterDruckerIstKeinStandardDrucker();
};

void TstDrucker::initTestCase()
{
    if (!QPrinterInfo::availablePrinterNames().contains(warteschlange))
        QFAIL("The print queue PDFSAVE is missing: run scripts/einrichten.sh test");
    if (!pdftotextVorhanden())
        QSKIP("pdftotext (poppler-utils) is not installed; scripts/einrichten.sh test installs it");
}

void TstDrucker::init()
{
    // The queue becomes this process's default printer, as for a user whose default it is.
    qputenv("PRINTER", warteschlange.toLatin1());
}

void TstDrucker::standardDruckerAusDerUmgebung()
{
    QCOMPARE(QtDruckflaeche::standardDruckerName(), warteschlange);
    auto flaeche = QtDruckflaeche::standardDrucker();
    QVERIFY(flaeche->bereit());
    QCOMPARE(flaeche->druckerName(), warteschlange);
    // Nothing printed: the job is not sent.
}

void TstDrucker::druckAufDerWarteschlange()
{
    const QStringList dateienVorher = auftragsDateien();
    const QSet<QString> vorher(dateienVorher.cbegin(), dateienVorher.cend());
    // Other test runs may print on the same queue at the same time; the mark finds our job.
    // Digits only: letters such as "ff" would come back as one ligature character.
    const QString kennung =
        QStringLiteral("Auftrag") + QString::number(QRandomGenerator::global()->generate64());

    auto flaeche = QtDruckflaeche::standardDrucker(QStringLiteral("Kalvomat-Test"));
    QVERIFY(flaeche->bereit());
    const TestberichtMasse masse = testberichtDrucken(*flaeche, kennung);
    QVERIFY(flaeche->dokumentEnde());

    // The backend renames a job file only when it is complete.
    QString gefunden;
    PdfInhalt pdf;
    QSet<QString> geprueft = vorher;
    const QDeadlineTimer frist(20000);
    while (gefunden.isEmpty() && !frist.hasExpired()) {
        for (const QString &name : auftragsDateien()) {
            if (geprueft.contains(name))
                continue;
            geprueft.insert(name);
            const PdfInhalt inhalt = pdfWoerterLesen(ablage + QLatin1Char('/') + name);
            if (inhalt.wort(kennung)) {
                gefunden = name;
                pdf = inhalt;
                break;
            }
        }
        if (gefunden.isEmpty())
            QTest::qWait(100);
    }
    QVERIFY2(!gefunden.isEmpty(),
             qPrintable(QStringLiteral("no job file with %1 appeared in %2 within 20 s; see "
                                       "lpstat -o PDFSAVE and /var/log/cups/error_log")
                            .arg(kennung, ablage)));

    // The job file is the plain PDF, without the printer commands the PPD would put around it.
    QFile datei(ablage + QLatin1Char('/') + gefunden);
    QVERIFY(datei.open(QIODevice::ReadOnly));
    QCOMPARE(datei.read(5), QByteArray("%PDF-"));
    datei.close();
    // The queue prints on A4 (its PPD defaults to Letter).
    QVERIFY2(qAbs(pdf.seitenBreite - 595) < 0.5 && qAbs(pdf.seitenHoehe - 842) < 0.5,
             qPrintable(QStringLiteral("%1 x %2").arg(pdf.seitenBreite).arg(pdf.seitenHoehe)));
    QString fehler;
    QVERIFY2(testberichtPruefen(pdf, masse, kennung, fehler), qPrintable(fehler));
    QFile::remove(ablage + QLatin1Char('/') + gefunden); // only possible as root; harmless else
}

void TstDrucker::unbekannterDruckerIstKeinStandardDrucker()
{
    // CUPS knows PDFSAVE, and QPrinter would quietly take it; but the user's default printer is
    // one that does not exist, so there is no default printer to print on.
    qputenv("PRINTER", "GibtEsNicht");
    QCOMPARE(QtDruckflaeche::standardDruckerName(), QString());
    auto flaeche = QtDruckflaeche::standardDrucker();
    QVERIFY(!flaeche->bereit());
    flaeche->drucke(QStringLiteral("verloren"));
    QVERIFY(!flaeche->dokumentEnde());
}

QTEST_MAIN(TstDrucker)
#include "tst_drucker.moc"
