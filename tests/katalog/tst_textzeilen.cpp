#include "katalog/textzeilen.h"

#include <QTest>

class TstTextzeilen : public QObject
{
    Q_OBJECT

private slots:
    void zeilen_data();
    void zeilen();
};

void TstTextzeilen::zeilen_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("erwartet");

    QTest::newRow("CR ends a line") << QByteArray("a\rb") << QStringList {"a", "b"};
    QTest::newRow("CR LF ends a line") << QByteArray("a\r\nb") << QStringList {"a", "b"};
    QTest::newRow("lone LF stays inside the line")
        << QByteArray("a\nb\r\nc") << QStringList {"a\nb", "c"};
    QTest::newRow("file with LF only is one line")
        << QByteArray("Kopf\n1\tA\n") << QStringList {"Kopf\n1\tA\n"};
    QTest::newRow("CR CR gives an empty line")
        << QByteArray("a\r\rb") << QStringList {"a", "", "b"};
    QTest::newRow("LF CR: the LF belongs to the line")
        << QByteArray("a\n\rb") << QStringList {"a\n", "b"};
    QTest::newRow("CR LF LF: the second LF starts the next line")
        << QByteArray("a\r\n\nb") << QStringList {"a", "\nb"};
    QTest::newRow("trailing CR LF gives no extra line")
        << QByteArray("a\r\nb\r\n") << QStringList {"a", "b"};
    QTest::newRow("trailing CR gives no extra line") << QByteArray("a\r") << QStringList {"a"};
    QTest::newRow("last line without line end counts")
        << QByteArray("a\r\nb") << QStringList {"a", "b"};
    QTest::newRow("empty file has no line") << QByteArray() << QStringList {};
    QTest::newRow("one line end is one empty line") << QByteArray("\r\n") << QStringList {""};
    QTest::newRow("two line ends are two empty lines")
        << QByteArray("\r\n\r\n") << QStringList {"", ""};
    QTest::newRow("NUL byte is kept")
        << QByteArray("a\0b\rc", 5) << QStringList {QString("a") + QChar(0) + u'b', "c"};
    QTest::newRow("Windows-1252 special characters")
        << QByteArray("\x80\xE4\xDF\x96\x84\x93") << QStringList {QString::fromUtf16(u"€äß–„“")};
    QTest::newRow("Windows-1252 umlauts and Latin-1 range")
        << QByteArray("\xC4\xD6\xDC\xFC\xE9\xA0x\r\n")
        << QStringList {QString::fromUtf16(u"ÄÖÜüé\u00A0x")};
    QTest::newRow("tab stays in the line") << QByteArray("1\t2\r\n") << QStringList {"1\t2"};
}

void TstTextzeilen::zeilen()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, erwartet);
    QCOMPARE(textzeilen(bytes), erwartet);
}

QTEST_APPLESS_MAIN(TstTextzeilen)
#include "tst_textzeilen.moc"
