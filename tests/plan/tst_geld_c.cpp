#include "plan/geld.h"

#include <QTest>

// Where no locale is set at all (C or POSIX), the captions are German, not the C locale's
// "1,234.5" with group separators. Runs with LC_ALL=C and LC_ALL=POSIX.
class TestGeldOhneLocale : public QObject
{
    Q_OBJECT

private slots:
    void deutschStattC();
};

void TestGeldOhneLocale::deutschStattC()
{
    QCOMPARE(QLocale::system().language(), QLocale::C);
    const QLocale locale = geld::anzeigeLocale();
    QCOMPARE(locale.language(), QLocale::German);
    QCOMPARE(locale.territory(), QLocale::Germany);
    QCOMPARE(geld::text(12345000000, locale), QStringLiteral("1234500"));
    QCOMPARE(geld::text(-1234500, locale), QStringLiteral("-123,45"));
    QCOMPARE(locale.toString(1234.5, 'g', 15), QStringLiteral("1234,5"));
}

QTEST_APPLESS_MAIN(TestGeldOhneLocale)
#include "tst_geld_c.moc"
