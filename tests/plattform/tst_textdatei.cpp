// Reading the practice's text files and creating the rules file when it is missing.

#include "plattform/textdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {
bool schreiben(const QString &pfad, const QByteArray &bytes)
{
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(bytes) == bytes.size();
}

QByteArray inhalt(const QString &pfad)
{
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<unreadable>");
}

bool istRoot()
{
    return ::geteuid() == 0;
}
} // namespace

class TstTextdatei : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void liestDieBytesUnveraendert_data();
    void liestDieBytesUnveraendert();
    void fehlendeDateiGibtNichts();
    void ordnerGibtNichts();
    void pipeGibtNichtsUndBlockiertNicht();
    void unlesbareDateiGibtNichts();
    void legtFehlendeDateiLeerAn();
    void laesstVorhandeneDateiUnveraendert_data();
    void laesstVorhandeneDateiUnveraendert();
    void anlegenScheitert_data();
    void anlegenScheitert();

private:
    std::unique_ptr<QTemporaryDir> m_ordner;
};

void TstTextdatei::init()
{
    m_ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(m_ordner->isValid());
}

void TstTextdatei::liestDieBytesUnveraendert_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file is an empty text, not a missing one") << QByteArray();
    QTest::newRow("CR LF lines and Windows-1252 bytes stay as they are")
        << QByteArray("Z\xe4hne\r\n\x80 12,5\r\n");
    QTest::newRow("NUL bytes and a last line without line end") << QByteArray("a\0b\rc", 5);
}

void TstTextdatei::liestDieBytesUnveraendert()
{
    QFETCH(QByteArray, bytes);
    const QString pfad = m_ordner->filePath(QStringLiteral("hilfe.txt"));
    QVERIFY(schreiben(pfad, bytes));
    const std::optional<QByteArray> gelesen = dateiLesen(pfad);
    QVERIFY(gelesen.has_value());
    QCOMPARE(*gelesen, bytes);
}

void TstTextdatei::fehlendeDateiGibtNichts()
{
    QVERIFY(!dateiLesen(m_ordner->filePath(QStringLiteral("hilfe.txt"))).has_value());
    QVERIFY(!dateiLesen(m_ordner->filePath(QStringLiteral("fehlt/hilfe.txt"))).has_value());
    QVERIFY(!dateiLesen(QString()).has_value());
}

void TstTextdatei::ordnerGibtNichts()
{
    const QString pfad = m_ordner->filePath(QStringLiteral("hilfe.txt"));
    QVERIFY(QDir().mkdir(pfad));
    QVERIFY(!dateiLesen(pfad).has_value());
}

void TstTextdatei::pipeGibtNichtsUndBlockiertNicht()
{
    // Opening a pipe for reading would wait for a writer and hang the program's start.
    const QString pfad = m_ordner->filePath(QStringLiteral("hilfe.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    QVERIFY(!dateiLesen(pfad).has_value());
}

void TstTextdatei::unlesbareDateiGibtNichts()
{
    if (istRoot())
        QSKIP("root reads files whatever their mode; run as a normal user to check this");
    const QString pfad = m_ordner->filePath(QStringLiteral("hilfe.txt"));
    QVERIFY(schreiben(pfad, "geheim"));
    QVERIFY(QFile::setPermissions(pfad, QFileDevice::WriteOwner));
    QVERIFY(!dateiLesen(pfad).has_value());
}

void TstTextdatei::legtFehlendeDateiLeerAn()
{
    const QString pfad = m_ordner->filePath(QStringLiteral("Anmerk.txt"));
    QVERIFY(leerAnlegenFallsFehlt(pfad));
    QVERIFY(QFileInfo(pfad).isFile());
    QCOMPARE(QFileInfo(pfad).size(), 0);
    QCOMPARE(dateiLesen(pfad), std::optional<QByteArray>(QByteArray()));
    // A second call finds it and leaves it.
    QVERIFY(leerAnlegenFallsFehlt(pfad));
    QCOMPARE(QFileInfo(pfad).size(), 0);
}

void TstTextdatei::laesstVorhandeneDateiUnveraendert_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("schreibgeschuetzt");
    QTest::newRow("rules text with CR LF") << QByteArray("Regel 1\r\nRegel \x80\r\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
    QTest::newRow("write-protected file") << QByteArray("Regel\r\n") << true;
}

void TstTextdatei::laesstVorhandeneDateiUnveraendert()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, schreibgeschuetzt);
    const QString pfad = m_ordner->filePath(QStringLiteral("Anmerk.txt"));
    QVERIFY(schreiben(pfad, bytes));
    if (schreibgeschuetzt)
        QVERIFY(QFile::setPermissions(pfad, QFileDevice::ReadOwner));
    const QDateTime geaendert = QFileInfo(pfad).lastModified();
    QTest::qSleep(20); // a write would give a later modification time

    QVERIFY(leerAnlegenFallsFehlt(pfad));
    QCOMPARE(inhalt(pfad), bytes);
    QCOMPARE(QFileInfo(pfad).lastModified(), geaendert);
}

void TstTextdatei::anlegenScheitert_data()
{
    QTest::addColumn<QString>("fall");
    QTest::newRow("path is a folder") << QStringLiteral("ordner");
    QTest::newRow("folder of the file is missing") << QStringLiteral("ohneOrdner");
    QTest::newRow("folder is write-protected") << QStringLiteral("geschuetzt");
    QTest::newRow("empty path") << QStringLiteral("leer");
}

void TstTextdatei::anlegenScheitert()
{
    QFETCH(QString, fall);
    QString pfad = m_ordner->filePath(QStringLiteral("Anmerk.txt"));
    if (fall == QLatin1String("ordner")) {
        QVERIFY(QDir().mkdir(pfad));
    } else if (fall == QLatin1String("ohneOrdner")) {
        pfad = m_ordner->filePath(QStringLiteral("fehlt/Anmerk.txt"));
    } else if (fall == QLatin1String("geschuetzt")) {
        if (istRoot())
            QSKIP("root writes into any folder; run as a normal user to check this");
        QVERIFY(QFile::setPermissions(m_ordner->path(),
                                      QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else {
        pfad.clear();
    }
    QVERIFY(!leerAnlegenFallsFehlt(pfad));
    QVERIFY(!QFileInfo(pfad).isFile());
    QFile::setPermissions(m_ordner->path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

QTEST_MAIN(TstTextdatei)
#include "tst_textdatei.moc"
