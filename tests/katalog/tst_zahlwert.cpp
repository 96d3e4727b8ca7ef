#include "katalog/zahlwert.h"

#include <QTest>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>

class TstZahlwert : public QObject
{
    Q_OBJECT

private slots:
    void zahlwert_data();
    void zahlwert();
    void zahlwertUnterDeutschemLocale_data() { zahlwert_data(); }
    void zahlwertUnterDeutschemLocale();

private:
    static void pruefe(const QString &text, double erwartet);
};

void TstZahlwert::zahlwert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("erwartet");
    const double inf = std::numeric_limits<double>::infinity();

    QTest::newRow("comma as decimal point") << "12,50" << 12.5;
    QTest::newRow("point as decimal point") << "12.50" << 12.5;
    QTest::newRow("empty text is 0") << "" << 0.0;
    QTest::newRow("negative whole number") << "-1" << -1.0;
    QTest::newRow("German thousands point stops at the second point") << "1.234,56" << 1.234;
    QTest::newRow("only the first comma becomes a point") << "1,2,3" << 1.2;
    QTest::newRow("7,5") << "7,5" << 7.5;
    QTest::newRow("leading blank") << " 3" << 3.0;
    QTest::newRow("blank between digits is skipped") << "1 2" << 12.0;
    QTest::newRow("blanks everywhere") << " - 1 2 , 5 " << -12.5;
    QTest::newRow("blank in thousands") << "1 000,50" << 1000.5;
    QTest::newRow("lower-case exponent") << "1e3" << 1000.0;
    QTest::newRow("signed exponent") << "1E+2" << 100.0;
    QTest::newRow("negative exponent") << "25E-2" << 0.25;
    QTest::newRow("comma before exponent") << "1,5E2" << 150.0;
    QTest::newRow("exponent without digits is dropped") << "12E" << 12.0;
    QTest::newRow("exponent sign without digits is dropped") << "12E+" << 12.0;
    QTest::newRow("second exponent stops") << "1E2E3" << 100.0;
    QTest::newRow("comma after exponent stops") << "12E5,5" << 1200000.0;
    QTest::newRow("junk is 0") << "abc" << 0.0;
    QTest::newRow("digits then junk") << "12abc" << 12.0;
    QTest::newRow("trailing minus stops") << "5-" << 5.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("exponent letter first is no number") << "E5" << 0.0;
    QTest::newRow("lone comma") << "," << 0.0;
    QTest::newRow("lone minus") << "-" << 0.0;
    QTest::newRow("two signs are no number") << "+-5" << 0.0;
    QTest::newRow("plus sign") << "+5" << 5.0;
    QTest::newRow("minus comma five") << "-,5" << -0.5;
    QTest::newRow("point five") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("amount with euro sign") << "210,69 €" << 210.69;
    QTest::newRow("hex is not read") << "0x10" << 0.0;
    QTest::newRow("full-width digits are no digits") << QString::fromUtf16(u"１２") << 0.0;
    QTest::newRow("fourteen nines") << "99999999999999" << 99999999999999.0;
    QTest::newRow("huge exponent is infinite") << "1e999" << inf;
    QTest::newRow("huge negative is minus infinite") << "-1e999" << -inf;
    QTest::newRow("400 nines are infinite") << QString(400, u'9') << inf;
    QTest::newRow("tiny exponent is 0") << "1e-999" << 0.0;
    QTest::newRow("400 zeros after the point are 0, not infinite")
        << QStringLiteral("0.") + QString(400, u'0') + u'1' << 0.0;
    QTest::newRow("exponent of thirty digits") << QStringLiteral("1E") + QString(30, u'9') << inf;
    QTest::newRow("zero with huge exponent") << "0E99999" << 0.0;
    QTest::newRow("amount of the example catalogue") << "351,15" << 351.15;
}

void TstZahlwert::pruefe(const QString &text, double erwartet)
{
    const double wert = ::zahlwert(text);
    QVERIFY2(!std::isnan(wert), "zahlwert must never give NaN");
    QVERIFY2(wert == erwartet,
             qPrintable(QStringLiteral("%1 gave %2, expected %3")
                            .arg(text.left(40))
                            .arg(wert, 0, 'g', 17)
                            .arg(erwartet, 0, 'g', 17)));
}

void TstZahlwert::zahlwert()
{
    QFETCH(QString, text);
    QFETCH(double, erwartet);
    pruefe(text, erwartet);
}

void TstZahlwert::zahlwertUnterDeutschemLocale()
{
    QFETCH(QString, text);
    QFETCH(double, erwartet);
    // A window program switches the C library to the user's locale; under German rules strtod
    // stops at the point. zahlwert must not notice.
    const char *vorher = std::setlocale(LC_ALL, nullptr);
    const QByteArray alt = vorher ? QByteArray(vorher) : QByteArray("C");
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        QSKIP("the locale de_DE.UTF-8 is not generated on this machine");
    const double cWert = std::strtod("12.5", nullptr);
    pruefe(text, erwartet);
    std::setlocale(LC_ALL, alt.constData());
    QCOMPARE(cWert, 12.0); // the German rules were really in force
}

QTEST_APPLESS_MAIN(TstZahlwert)
#include "tst_zahlwert.moc"
