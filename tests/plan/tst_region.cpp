#include "plan/region.h"

#include <QTest>

#include <cstdint>
#include <limits>

// The region text as the box shows it after leaving it, and the tooth count within the limits of
// the row's finding. Limits are given as the row stores them: columns 10..13, -1 inactive.
class TestRegion : public QObject
{
    Q_OBJECT

private slots:
    void auswerten_data();
    void auswerten();
    void sehrLangerText();
    void vieleKieferNamen();
};

namespace {

using Grenzen = std::array<std::int64_t, 4>;

constexpr std::int64_t aus = -1;

Grenzen nurGesamt(std::int64_t g)
{
    return {g, aus, aus, aus};
}
Grenzen nurJeKiefer(std::int64_t g)
{
    return {aus, g, aus, aus};
}

} // namespace

void TestRegion::auswerten_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<qint64>("g10");
    QTest::addColumn<qint64>("g11");
    QTest::addColumn<qint64>("g12");
    QTest::addColumn<qint64>("g13");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("anzahl");

    const auto zeile = [](const char *name, const QString &eingabe, Grenzen g, const QString &text,
                          qint64 anzahl) {
        QTest::newRow(name) << eingabe << qint64(g[0]) << qint64(g[1]) << qint64(g[2])
                            << qint64(g[3]) << text << anzahl;
    };
    const std::int64_t groesste = std::numeric_limits<std::int32_t>::max();

    // The worked examples.
    zeile("Komma und Blank", "11,12, 21", nurGesamt(32), "11 12  21", 3);
    zeile("ok klein", "ok", nurJeKiefer(1), "OK", 1);
    zeile("OK UK je Kiefer 1", "OK UK", nurJeKiefer(1), "OK UK", 2);
    zeile("Gesamtgrenze schneidet", "11 21 31", nurGesamt(2), "11 21 31", 2);
    zeile("Milchzahn", "55", nurGesamt(32), "55", 1);
    zeile("Milchzahn je Kiefer", "55", nurJeKiefer(8), "55", 1);
    zeile("leer", "", nurGesamt(32), "", 1);
    zeile("nur Blanks", "   ", nurJeKiefer(8), "", 1);

    // Cleaning.
    zeile("Blanks vorn und hinten", "  11 12  ", nurGesamt(32), "11 12", 2);
    zeile("innere Blanks bleiben", "11   12", nurGesamt(32), "11   12", 2);
    zeile("Tabs Semikolon Buchstaben", "\t11;12\t x 21 ", nurGesamt(32), "11 12    21", 3);
    zeile("Kleinbuchstaben", "ok 11 uk", nurJeKiefer(8), "OK 11 UK", 2);
    zeile("Umlaut wird ein Blank", "11é12", nurGesamt(32), "11 12", 2);
    zeile("ß wird ein Blank", "11ß12", nurGesamt(32), "11 12", 2);
    zeile("Zeichen außerhalb der Grundebene",
          QString::fromUtf8("11\xF0\x9F\x98\x80"
                            "12"),
          nurGesamt(32), "11 12", 2);
    zeile("nur Fremdzeichen", "abc,;", nurJeKiefer(8), "", 1);

    // Jaw names and tokens.
    zeile("18UK Zahn und Unterkiefer", "18UK", nurJeKiefer(8), "18UK", 2);
    zeile("18UK zählt Zähne gesamt", "18UK", nurGesamt(32), "18UK", 1);
    zeile("U18 ist kein Zahn", "U18 11", nurGesamt(32), "U18 11", 1);
    zeile("1U8 ist kein Zahn", "1U8 11", nurGesamt(32), "1U8 11", 1);
    zeile("19 wird 1", "19", nurGesamt(32), "1", 1);
    zeile("10 wird 1", "10 11", nurGesamt(32), "1  11", 1);
    zeile("1112 ist ein Token", "1112 11", nurGesamt(32), "1112 11", 1);
    zeile("OK OK zählt einmal", "OK OK UK", nurJeKiefer(8), "OK OK UK", 2);
    zeile("UK UK zählt einmal", "UK UK", nurJeKiefer(8), "UK UK", 1);
    zeile("OK mitten im Token", "11OK12", nurGesamt(32), "11OK12", 2);
    zeile("OKUK zusammen", "OKUK", nurJeKiefer(8), "OKUK", 2);
    zeile("UKOK zusammen", "UKOK", nurJeKiefer(8), "UKOK", 2);
    zeile("KO ist nichts", "KO", nurJeKiefer(8), "KO", 1);
    zeile("Zahn doppelt", "11 11", nurGesamt(32), "11 11", 2);
    zeile("alle Oberkieferzähne", "11 12 13 14 15 16 17 18 21 22 23 24 25 26 27 28",
          nurJeKiefer(groesste), "11 12 13 14 15 16 17 18 21 22 23 24 25 26 27 28", 16);
    zeile("alle Unterkieferzähne", "31 32 33 34 35 36 37 38 41 42 43 44 45 46 47 48",
          nurJeKiefer(groesste), "31 32 33 34 35 36 37 38 41 42 43 44 45 46 47 48", 16);
    zeile("Nachbarn der Zahnnummern", "1 2 3 4 5 6 7 8 51 52 53 54 58 61 62 71 81 88",
          nurGesamt(32), "1 2 3 4 5 6 7 8 51 52 53 54 58 61 62 71 81 88", 1);

    // Digit runs beyond a 16-bit number name no tooth, also where they would wrap to one.
    zeile("111213", "111213", nurGesamt(32), "111213", 1);
    zeile("111213 und 11", "111213 11", nurGesamt(32), "111213 11", 1);
    zeile("32767 ist kein Zahn", "32767 11", nurGesamt(32), "32767 11", 1);
    zeile("65547 wäre 11", "65547 11", nurGesamt(32), "65547 11", 1);
    zeile("65567 wäre 31", "65567", nurJeKiefer(8), "65567", 1);
    zeile("32 Bit plus 11", "21474836511", nurGesamt(32), "21474836511", 1);
    zeile("zwanzig Ziffern", "88888888888888888888 11", nurGesamt(32), "88888888888888888888 11",
          1);
    zeile("64 Bit plus 11", "1863121151444664713227", nurJeKiefer(8), "1863121151444664713227", 1);
    zeile("Nullen und Neunen im langen Lauf", "99999999999999999999", nurGesamt(32), "", 1);

    // Limit order and the rules between them.
    zeile("Gesamtgrenze zählt OK nicht", "OK 11 12", nurGesamt(32), "OK 11 12", 2);
    zeile("nur OK mit Gesamtgrenze", "OK UK", nurGesamt(32), "OK UK", 1);
    zeile("OK neben Zahn im selben Kiefer", "OK 11", nurJeKiefer(8), "OK 11", 1);
    zeile("OK neben Zahn im anderen Kiefer", "OK 31", nurJeKiefer(8), "OK 31", 2);
    zeile("je Kiefer schneidet", "11 12 13 31", nurJeKiefer(2), "11 12 13 31", 3);
    zeile("je Kiefer ersetzt Gesamt", "11 12 13 31", Grenzen {2, 8, aus, aus}, "11 12 13 31", 4);
    zeile("Spalte 12 drei Zähne", "11 12 13", Grenzen {aus, aus, 2, aus}, "11 12 13", 2);
    zeile("Spalte 12 genau zwei Zähne", "11 12", Grenzen {aus, aus, 2, aus}, "11 12", 1);
    zeile("Spalte 12 ein Zahn", "11", Grenzen {aus, aus, 2, aus}, "11", 1);
    zeile("Spalte 12 nicht überschritten mit Gesamt", "11 12", Grenzen {32, aus, 2, aus}, "11 12",
          2);
    zeile("Spalte 12 zählt Kiefernamen mit", "OK UK 11 12", Grenzen {aus, aus, 2, aus},
          "OK UK 11 12", 2);
    zeile("Spalte 13 allein", "11 12 13 14", Grenzen {aus, aus, aus, 3}, "11 12 13 14", 3);
    zeile("Spalte 13 gewinnt kleiner", "11 12 13 14", Grenzen {aus, aus, 3, 2}, "11 12 13 14", 2);
    zeile("Spalte 13 gewinnt größer", "11 12 13 14", Grenzen {aus, aus, 2, 3}, "11 12 13 14", 3);
    zeile("Spalte 13 greift nicht", "11 12 13", Grenzen {aus, aus, 2, 3}, "11 12 13", 2);
    zeile("Spalte 12 nach je Kiefer", "11 12 13 31 32", Grenzen {aus, 2, 3, aus}, "11 12 13 31 32",
          3);
    zeile("Spalte 12 sieht geschnittene Kiefer", "11 12 13 31 32", Grenzen {aus, 1, 3, aus},
          "11 12 13 31 32", 2);
    zeile("Spalte 12 null", "11", Grenzen {aus, aus, 0, aus}, "11", 1);
    zeile("keine aktive Grenze zählt einmal", "11 12 13", Grenzen {aus, aus, aus, aus}, "11 12 13",
          1);
    zeile("leere Grenzfelder zählen einmal", "11 12 13 OK", Grenzen {0, 0, 0, 0}, "11 12 13 OK", 1);
    zeile("große negative Grenzen inaktiv", "11 12",
          Grenzen {std::numeric_limits<std::int32_t>::min(), aus, aus, aus}, "11 12", 1);
}

void TestRegion::auswerten()
{
    QFETCH(QString, eingabe);
    QFETCH(qint64, g10);
    QFETCH(qint64, g11);
    QFETCH(qint64, g12);
    QFETCH(qint64, g13);
    QFETCH(QString, text);
    QFETCH(qint64, anzahl);

    const RegionErgebnis ergebnis = regionAuswerten(eingabe, {g10, g11, g12, g13});
    QCOMPARE(ergebnis.text, text);
    QCOMPARE(ergebnis.anzahl, anzahl);
}

void TestRegion::sehrLangerText()
{
    // 100000 teeth, half in each jaw: counts past any 16- or 32-bit token count stay exact.
    QString eingabe;
    for (int k = 0; k < 50000; ++k)
        eingabe += QStringLiteral("11,31,");
    const std::int64_t groesste = std::numeric_limits<std::int32_t>::max();

    const RegionErgebnis gesamt = regionAuswerten(eingabe, nurGesamt(groesste));
    QCOMPARE(gesamt.anzahl, 100000);
    QCOMPARE(gesamt.text.size(), eingabe.size() - 1);
    QVERIFY(!gesamt.text.contains(u','));

    QCOMPARE(regionAuswerten(eingabe, nurJeKiefer(groesste)).anzahl, 100000);
    QCOMPARE(regionAuswerten(eingabe, nurJeKiefer(40000)).anzahl, 80000);
    QCOMPARE(regionAuswerten(eingabe, Grenzen {aus, aus, 99999, aus}).anzahl, 99999);
}

void TestRegion::vieleKieferNamen()
{
    // Only the first "OK" names the jaw; the other 99999 name nothing.
    const QString eingabe = QStringLiteral("OK ").repeated(100000);
    const RegionErgebnis ergebnis = regionAuswerten(eingabe, nurJeKiefer(8));
    QCOMPARE(ergebnis.anzahl, 1);
    QCOMPARE(ergebnis.text, eingabe.trimmed());
}

QTEST_APPLESS_MAIN(TestRegion)
#include "tst_region.moc"
