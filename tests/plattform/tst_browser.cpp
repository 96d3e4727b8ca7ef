// The support page: where it is looked for, whether it is there, and handing it to the browser.

#include "plattform/browser.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstBrowser : public QObject
{
    Q_OBJECT

private slots:
    void supportSeiteImProgrammordner_data();
    void supportSeiteImProgrammordner();
    void relativerOrdnerWirdAbsolut();
    void seiteVorhanden_data();
    void seiteVorhanden();
    void oeffnerOhneBrowserMeldetFehler_data();
    void oeffnerOhneBrowserMeldetFehler();
};

void TstBrowser::supportSeiteImProgrammordner_data()
{
    QTest::addColumn<QString>("ordner");
    QTest::addColumn<QString>("datei");
    QTest::newRow("plain folder") << QStringLiteral("/opt/kalvomat")
                                  << QStringLiteral("/opt/kalvomat/linkzuvelmar.html");
    QTest::newRow("trailing slash is not doubled")
        << QStringLiteral("/opt/kalvomat/") << QStringLiteral("/opt/kalvomat/linkzuvelmar.html");
    QTest::newRow("root folder is no network host")
        << QStringLiteral("/") << QStringLiteral("/linkzuvelmar.html");
    QTest::newRow("blanks and umlauts")
        << QStringLiteral("/home/praxis/Dr. Müller Zähne")
        << QStringLiteral("/home/praxis/Dr. Müller Zähne/linkzuvelmar.html");
    QTest::newRow("hash and percent are part of the name")
        << QStringLiteral("/praxis/#1 100%") << QStringLiteral("/praxis/#1 100%/linkzuvelmar.html");
}

void TstBrowser::supportSeiteImProgrammordner()
{
    QFETCH(QString, ordner);
    QFETCH(QString, datei);
    const QUrl url = supportSeite(ordner);
    QVERIFY(url.isValid());
    QVERIFY(url.isLocalFile());
    QCOMPARE(url.host(), QString());
    QCOMPARE(url.hasFragment(), false);
    QCOMPARE(url.hasQuery(), false);
    QCOMPARE(url.toLocalFile(), datei);
}

void TstBrowser::relativerOrdnerWirdAbsolut()
{
    // A browser started elsewhere must not look for the page relative to its own folder.
    const QUrl url = supportSeite(QStringLiteral("beispiel"));
    QCOMPARE(url.toLocalFile(),
             QDir::current().absoluteFilePath(QStringLiteral("beispiel/linkzuvelmar.html")));
}

void TstBrowser::seiteVorhanden_data()
{
    QTest::addColumn<QString>("fall");
    QTest::addColumn<bool>("vorhanden");
    QTest::newRow("page in the folder") << QStringLiteral("datei") << true;
    QTest::newRow("page missing") << QStringLiteral("fehlt") << false;
    QTest::newRow("a folder with the page's name") << QStringLiteral("ordner") << false;
}

void TstBrowser::seiteVorhanden()
{
    QFETCH(QString, fall);
    QFETCH(bool, vorhanden);
    QTemporaryDir ordner;
    QVERIFY(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("linkzuvelmar.html"));
    if (fall == QLatin1String("datei")) {
        QFile seite(pfad);
        QVERIFY(seite.open(QIODevice::WriteOnly));
        seite.write("<html></html>");
    } else if (fall == QLatin1String("ordner")) {
        QVERIFY(QDir().mkdir(pfad));
    }
    QCOMPARE(::seiteVorhanden(supportSeite(ordner.path())), vorhanden);
}

void TstBrowser::oeffnerOhneBrowserMeldetFehler_data()
{
    QTest::addColumn<QUrl>("adresse");
    QTest::newRow("empty address") << QUrl();
    QTest::newRow("invalid address") << QUrl(QStringLiteral("http://[::1"));
    QTest::newRow("missing local page")
        << QUrl::fromLocalFile(QStringLiteral("/nonexistent/linkzuvelmar.html"));
}

void TstBrowser::oeffnerOhneBrowserMeldetFehler()
{
    QFETCH(QUrl, adresse);
    // No browser can be started here: the headless test platform has no desktop services, and
    // no program to start is found on an empty PATH. The opener must say so, not crash or wait.
    QTemporaryDir leer;
    QVERIFY(leer.isValid());
    const QByteArray alterPfad = qgetenv("PATH");
    qputenv("PATH", leer.path().toLocal8Bit());
    qunsetenv("BROWSER");
    DesktopSeitenoeffner oeffner;
    Seitenoeffner &schnittstelle = oeffner;
    const bool geoeffnet = schnittstelle.oeffnen(adresse);
    qputenv("PATH", alterPfad);
    QVERIFY(!geoeffnet);
}

QTEST_MAIN(TstBrowser)
#include "tst_browser.moc"
