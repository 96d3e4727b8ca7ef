#include "plan/geld.h"

#include <QTest>

#include <cstdint>
#include <limits>

// Money of the plan: catalogue amounts taken over into 1/10000 EUR, checked arithmetic and the
// caption text.
class TestGeld : public QObject
{
    Q_OBJECT

private slots:
    void ausKatalog_data();
    void ausKatalog();
    void grenzeAusKatalog_data();
    void grenzeAusKatalog();
    void rechnen_data();
    void rechnen();
    void text_data();
    void text();
    void textInAnderenLocales_data();
    void textInAnderenLocales();
    void anzeigeLocaleFolgtDemSystem();
};

void TestGeld::ausKatalog_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<qint64>("einheiten");

    const qint64 ungueltig = geld::ungueltig;
    QTest::newRow("Komma") << "61,78" << qint64(617800);
    QTest::newRow("Punkt") << "61.78" << qint64(617800);
    QTest::newRow("Tausenderpunkt bricht ab") << "1.061,78" << qint64(10610);
    QTest::newRow("ganze Zahl") << "100" << qint64(1000000);
    QTest::newRow("negativ") << "-61,78" << qint64(-617800);
    QTest::newRow("leer") << "" << qint64(0);
    QTest::newRow("ohne Ziffern") << "abc" << qint64(0);
    QTest::newRow("Blank vorne") << " 3" << qint64(30000);
    QTest::newRow("vier Nachkommastellen") << "1,2345" << qint64(12345);
    QTest::newRow("fünfte Stelle rundet ab") << "1,23454" << qint64(12345);
    QTest::newRow("fünfte Stelle rundet auf") << "1,23456" << qint64(12346);

    // Halves that are exact in double precision go to the even neighbour.
    QTest::newRow("0,00005 -> 0,5 -> 0") << "0,00005" << qint64(0);
    QTest::newRow("0,00025 -> 2,5 -> 2") << "0,00025" << qint64(2);
    QTest::newRow("0,00035 -> 3,5 -> 4") << "0,00035" << qint64(4);
    QTest::newRow("0,00045 -> 4,5 -> 4") << "0,00045" << qint64(4);
    QTest::newRow("0,12345 -> 1234,5 -> 1234") << "0,12345" << qint64(1234);
    QTest::newRow("2,00015 -> 20001,5 -> 20002") << "2,00015" << qint64(20002);
    QTest::newRow("-0,00005 -> -0,5 -> 0") << "-0,00005" << qint64(0);
    QTest::newRow("-0,00035 -> -3,5 -> -4") << "-0,00035" << qint64(-4);
    // The product is formed in double precision: 0.00015 * 10000 is 1.4999999999999998, not a
    // tie, and 1.00005 * 10000 lies just above 10000.5.
    QTest::newRow("0,00015 -> knapp unter 1,5 -> 1") << "0,00015" << qint64(1);
    QTest::newRow("1,00005 -> knapp über 10000,5") << "1,00005" << qint64(10001);
    QTest::newRow("0,000125 -> 1,25 -> 1") << "0,000125" << qint64(1);
    QTest::newRow("0,000375 -> 3,75 -> 4") << "0,000375" << qint64(4);

    // Beyond the old 32-bit range the amount stays exact.
    QTest::newRow("214748,3647") << "214748,3647" << qint64(2147483647);
    QTest::newRow("214748,3648") << "214748,3648" << qint64(2147483648);
    QTest::newRow("-214748,3649") << "-214748,3649" << qint64(-2147483649);
    // Up to 2^53 units every amount converts exactly; beyond, the double product would be off.
    QTest::newRow("9999999999,9999") << "9999999999,9999" << qint64(99999999999999);
    QTest::newRow("2^53 units") << "900719925474,0991" << qint64(9007199254740991);
    QTest::newRow("99999999999999 not exact") << "99999999999999" << ungueltig;

    QTest::newRow("1e999 unendlich") << "1e999" << ungueltig;
    QTest::newRow("-1e999 unendlich") << "-1e999" << ungueltig;
    QTest::newRow("1e300 zu groß") << "1e300" << ungueltig;
    QTest::newRow("über 64 Bit") << "922337203685478" << ungueltig;
    QTest::newRow("2^53 units and more") << "900719925474,0992" << ungueltig;
    QTest::newRow("negativ über 64 Bit") << "-922337203685478" << ungueltig;
    QTest::newRow("winziger Exponent") << "1e-999" << qint64(0);
}

void TestGeld::ausKatalog()
{
    QFETCH(QString, eingabe);
    QFETCH(qint64, einheiten);
    QCOMPARE(geld::ausKatalog(eingabe), einheiten);
}

void TestGeld::grenzeAusKatalog_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<qint64>("grenze");

    const qint64 groesste = std::numeric_limits<std::int32_t>::max();
    const qint64 kleinste = std::numeric_limits<std::int32_t>::min();
    QTest::newRow("32") << "32" << qint64(32);
    QTest::newRow("leer ist aktiv 0") << "" << qint64(0);
    QTest::newRow("-1 inaktiv") << "-1" << qint64(-1);
    QTest::newRow("2,5 -> 2") << "2,5" << qint64(2);
    QTest::newRow("3,5 -> 4") << "3,5" << qint64(4);
    QTest::newRow("2,7 -> 3") << "2,7" << qint64(3);
    QTest::newRow("-0,4 wird aktive 0") << "-0,4" << qint64(0);
    QTest::newRow("-1,5 -> -2") << "-1,5" << qint64(-2);
    QTest::newRow("größte 32-Bit-Zahl") << "2147483647" << groesste;
    QTest::newRow("darüber begrenzt") << "2147483648" << groesste;
    QTest::newRow("riesig begrenzt") << "99999999999999999999" << groesste;
    QTest::newRow("1e999 begrenzt") << "1e999" << groesste;
    QTest::newRow("-1e999 begrenzt") << "-1e999" << kleinste;
    QTest::newRow("kleinste 32-Bit-Zahl") << "-2147483648" << kleinste;
    QTest::newRow("darunter begrenzt") << "-2147483649" << kleinste;
}

void TestGeld::grenzeAusKatalog()
{
    QFETCH(QString, eingabe);
    QFETCH(qint64, grenze);
    QCOMPARE(geld::grenzeAusKatalog(eingabe), grenze);
}

void TestGeld::rechnen_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("ergebnis");

    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 ungueltig = geld::ungueltig;
    QTest::newRow("plus") << '+' << qint64(617800) << qint64(1000) << qint64(618800);
    QTest::newRow("plus bis zur Grenze") << '+' << max - 1 << qint64(1) << max;
    QTest::newRow("plus über die Grenze") << '+' << max << qint64(1) << ungueltig;
    QTest::newRow("plus unter die Grenze") << '+' << -max << qint64(-1) << ungueltig;
    QTest::newRow("plus mit ungültig") << '+' << ungueltig << qint64(0) << ungueltig;
    QTest::newRow("plus ungültig rechts") << '+' << qint64(5) << ungueltig << ungueltig;
    QTest::newRow("minus") << '-' << qint64(100) << qint64(250) << qint64(-150);
    QTest::newRow("minus über die Grenze") << '-' << max << qint64(-1) << ungueltig;
    QTest::newRow("minus unter die Grenze") << '-' << -max << qint64(1) << ungueltig;
    QTest::newRow("minus mit ungültig") << '-' << qint64(0) << ungueltig << ungueltig;
    QTest::newRow("mal") << '*' << qint64(617800) << qint64(3) << qint64(1853400);
    QTest::newRow("mal null") << '*' << qint64(617800) << qint64(0) << qint64(0);
    QTest::newRow("mal negativ") << '*' << qint64(-617800) << qint64(2) << qint64(-1235600);
    QTest::newRow("mal über die Grenze") << '*' << max / 2 + 1 << qint64(2) << ungueltig;
    QTest::newRow("mal ungültig mal null") << '*' << ungueltig << qint64(0) << ungueltig;
    QTest::newRow("mal kleinste Anzahl") << '*' << qint64(1) << ungueltig << ungueltig;
}

void TestGeld::rechnen()
{
    QFETCH(char, op);
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, ergebnis);
    const Geld r = op == '+' ? geld::plus(a, b) : op == '-' ? geld::minus(a, b) : geld::mal(a, b);
    QCOMPARE(r, ergebnis);
}

void TestGeld::text_data()
{
    QTest::addColumn<qint64>("betrag");
    QTest::addColumn<QString>("erwartet");

    const qint64 max = std::numeric_limits<qint64>::max();
    QTest::newRow("123,45") << qint64(1234500) << "123,45";
    QTest::newRow("100 ohne Komma") << qint64(1000000) << "100";
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("-5,5") << qint64(-55000) << "-5,5";
    QTest::newRow("vier Stellen") << qint64(12345) << "1,2345";
    QTest::newRow("Nullen innen") << qint64(10001) << "1,0001";
    QTest::newRow("kleinster Betrag") << qint64(1) << "0,0001";
    QTest::newRow("kleinster negativer") << qint64(-1) << "-0,0001";
    QTest::newRow("185,34") << qint64(1853400) << "185,34";
    QTest::newRow("ohne Tausenderpunkt") << qint64(12345678900000) << "1234567890";
    QTest::newRow("größter Wert exakt") << max << "922337203685477,5807";
    QTest::newRow("kleinster Wert exakt") << -max << "-922337203685477,5807";
    QTest::newRow("Überlauf") << qint64(geld::ungueltig) << "Überlauf";
}

void TestGeld::text()
{
    QFETCH(qint64, betrag);
    QFETCH(QString, erwartet);
    QCOMPARE(geld::text(betrag, QLocale(QLocale::German, QLocale::Germany)), erwartet);
}

void TestGeld::textInAnderenLocales_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<qint64>("betrag");
    QTest::addColumn<QString>("erwartet");

    QTest::newRow("englisch") << QLocale(QLocale::English, QLocale::UnitedStates)
                              << qint64(-12345678900) << "-1234567.89";
    QTest::newRow("schweizerisch ohne Hochkomma")
        << QLocale(QLocale::German, QLocale::Switzerland) << qint64(12345000000) << "1234500";
    QTest::newRow("schwedisches Minus") << QLocale(QLocale::Swedish, QLocale::Sweden)
                                        << qint64(-55000) << QString::fromUtf16(u"\u22125,5");
    QTest::newRow("arabische Ziffern") << QLocale(QLocale::Arabic, QLocale::Egypt) << qint64(10500)
                                       << QString::fromUtf16(u"\u0661\u066B\u0660\u0665");
    QTest::newRow("Überlauf in jeder Sprache")
        << QLocale(QLocale::English) << qint64(geld::ungueltig) << "Überlauf";
}

void TestGeld::textInAnderenLocales()
{
    QFETCH(QLocale, locale);
    QFETCH(qint64, betrag);
    QFETCH(QString, erwartet);
    QCOMPARE(geld::text(betrag, locale), erwartet);
}

void TestGeld::anzeigeLocaleFolgtDemSystem()
{
    // The test runs under de_DE: the captions follow it, without group separator.
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    const QLocale locale = geld::anzeigeLocale();
    QCOMPARE(locale.name(), QStringLiteral("de_DE"));
    QCOMPARE(geld::text(12345678900000, locale), QStringLiteral("1234567890"));
    QCOMPARE(locale.toString(1234567), QStringLiteral("1234567"));
}

QTEST_APPLESS_MAIN(TestGeld)
#include "tst_geld.moc"
