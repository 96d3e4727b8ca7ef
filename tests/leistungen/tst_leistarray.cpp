// The service tables of a print run: merging by number and sign, the table limits and the
// exchange sort whose order the cumulative report lists show.

#include "leistungen/leistarray.h"

#include <QTest>

namespace {

struct Zugang
{
    int anz;
    QString nr;
};

QStringList belegte(const Leistarray &t)
{
    QStringList ergebnis;
    for (int i = 0; i < t.groesse(); ++i) {
        if (!t[i].nr.isEmpty())
            ergebnis << QString::number(i) + u'|' + t[i].anz + u'|' + t[i].nr + u'|' + t[i].text;
    }
    return ergebnis;
}

} // namespace

Q_DECLARE_METATYPE(QList<Zugang>)

class TstLeistarray : public QObject
{
    Q_OBJECT

private slots:
    void hinzufuegen_data();
    void hinzufuegen();
    void leistungstextBleibtWieUebergeben();
    void initLeertAlles();
    void vollerBemaTabelle();
    void vollerTabelleVerschmilztNochGleiche();
    void sortierenReihenfolge_data();
    void sortierenReihenfolge();
    void sortierenNurFreieEintraege();
    void sortierenBelTabelleFreieNachVorn();
    void sortierenVertauschtGleicheNummern();
    void anzahlWertLesen_data();
    void anzahlWertLesen();
};

void TstLeistarray::hinzufuegen_data()
{
    QTest::addColumn<QList<Zugang>>("zugaenge");
    QTest::addColumn<QStringList>("erwartet");

    QTest::newRow("0010 three times merges into count 3")
        << QList<Zugang> {{1, "0010"}, {1, "0010"}, {1, "0010"}} << QStringList {"0| 3|0010|t"};
    QTest::newRow("billed and deducted stay apart")
        << QList<Zugang> {{1, "0010"}, {-1, "0010"}, {1, "0010"}}
        << QStringList {"0| 2|0010|t", "1|-1|0010|t"};
    QTest::newRow("deductions merge among themselves")
        << QList<Zugang> {{-1, "07"}, {-1, "07"}} << QStringList {"0|-2|07|t"};
    QTest::newRow("count 0 never merges")
        << QList<Zugang> {{0, "5"}, {0, "5"}, {1, "5"}, {-1, "5"}}
        << QStringList {"0| 0|5|t", "1| 0|5|t", "2| 1|5|t", "3|-1|5|t"};
    QTest::newRow("number with blanks around is the same service")
        << QList<Zugang> {{1, " 13a "}, {1, "13a"}} << QStringList {"0| 2|13a|t"};
    QTest::newRow("letter case makes another service")
        << QList<Zugang> {{1, "13a"}, {1, "13A"}} << QStringList {"0| 1|13a|t", "1| 1|13A|t"};
    QTest::newRow("other numbers in between do not stop the merge")
        << QList<Zugang> {{1, "01"}, {1, "02"}, {1, "03"}, {1, "01"}}
        << QStringList {"0| 2|01|t", "1| 1|02|t", "2| 1|03|t"};
    QTest::newRow("larger counts keep their sign slot")
        << QList<Zugang> {{7, "9"}, {5, "9"}, {-3, "8"}, {-9, "8"}}
        << QStringList {"0| 12|9|t", "1|-12|8|t"};
}

void TstLeistarray::hinzufuegen()
{
    QFETCH(QList<Zugang>, zugaenge);
    QFETCH(QStringList, erwartet);

    Leistarray t(Leistarray::bemaGroesse);
    for (const Zugang &z : zugaenge)
        QVERIFY(t.add(z.anz, z.nr, QStringLiteral("t")));
    QCOMPARE(belegte(t), erwartet);
}

void TstLeistarray::leistungstextBleibtWieUebergeben()
{
    Leistarray t(Leistarray::bemaGroesse);
    t.add(1, QStringLiteral(" 13a "), QStringLiteral("  Krone  "));
    t.add(1, QStringLiteral("13a"), QStringLiteral("anderer Text"));
    QCOMPARE(t[0].nr, QStringLiteral("13a"));
    QCOMPARE(t[0].text, QStringLiteral("  Krone  ")); // the first text stays
    QCOMPARE(t[0].anz, QStringLiteral(" 2"));
}

void TstLeistarray::initLeertAlles()
{
    Leistarray t(Leistarray::bemaGroesse);
    for (int i = 0; i < Leistarray::bemaGroesse; ++i)
        t.add(i % 2 ? 1 : -1, QString::number(i), QStringLiteral("x"));
    t.init();
    QCOMPARE(t.groesse(), Leistarray::bemaGroesse);
    for (int i = 0; i < t.groesse(); ++i) {
        QVERIFY(t[i].anz.isEmpty());
        QVERIFY(t[i].nr.isEmpty());
        QVERIFY(t[i].text.isEmpty());
    }
    // After the clear the table fills from the front again.
    QVERIFY(t.add(1, QStringLiteral("0010"), QStringLiteral("neu")));
    QCOMPARE(belegte(t), QStringList {"0| 1|0010|neu"});
}

void TstLeistarray::vollerBemaTabelle()
{
    Leistarray t(Leistarray::bemaGroesse);
    for (int i = 1; i <= 40; ++i)
        QVERIFY(t.add(1, QString::number(i), QString()));
    QVERIFY2(t.add(1, QStringLiteral("41"), QString()), "the 41st service still fits");
    QCOMPARE(t[40].nr, QStringLiteral("41"));
    QVERIFY2(!t.add(1, QStringLiteral("42"), QString()), "the 42nd service has no room");
    QCOMPARE(belegte(t).size(), 41);
    for (int i = 0; i < t.groesse(); ++i)
        QVERIFY(t[i].nr != QStringLiteral("42"));
}

void TstLeistarray::vollerTabelleVerschmilztNochGleiche()
{
    Leistarray t(Leistarray::bemaGroesse);
    for (int i = 0; i < Leistarray::bemaGroesse; ++i)
        t.add(1, QString::number(i), QString());
    QVERIFY(t.add(1, QStringLiteral("7"), QString()));
    QCOMPARE(t[7].anz, QStringLiteral(" 2"));
    // The deduction of a present number needs an entry of its own and finds none.
    QVERIFY(!t.add(-1, QStringLiteral("7"), QString()));
    QCOMPARE(t[7].anz, QStringLiteral(" 2"));
}

void TstLeistarray::sortierenReihenfolge_data()
{
    QTest::addColumn<QStringList>("nummern");
    QTest::addColumn<QStringList>("sortiert");

    QTest::newRow("text order, not number order: 100 < 19 < 2")
        << QStringList {"2", "19", "100"} << QStringList {"100", "19", "2"};
    QTest::newRow("13 before 13a") << QStringList {"13a", "13"} << QStringList {"13", "13a"};
    QTest::newRow("0010 before 010") << QStringList {"010", "0010"} << QStringList {"0010", "010"};
    QTest::newRow("upper case before lower case")
        << QStringList {"a1", "B1", "A1"} << QStringList {"A1", "B1", "a1"};
    QTest::newRow("umlaut after every ASCII letter")
        << QStringList {"Ü1", "z1", "A1"} << QStringList {"A1", "z1", "Ü1"};
    QTest::newRow("marker among numbers")
        << QStringList {"0010", "BEMA 2004", "013"} << QStringList {"0010", "013", "BEMA 2004"};
}

void TstLeistarray::sortierenReihenfolge()
{
    QFETCH(QStringList, nummern);
    QFETCH(QStringList, sortiert);

    Leistarray t(Leistarray::bemaGroesse);
    for (const QString &nr : nummern)
        t.add(1, nr, QStringLiteral("Text ") + nr);
    t.sortieren();

    const int erster = t.groesse() - static_cast<int>(sortiert.size());
    for (int i = 0; i < erster; ++i)
        QVERIFY(t[i].nr.isEmpty());
    for (int k = 0; k < sortiert.size(); ++k) {
        QCOMPARE(t[erster + k].nr, sortiert[k]);
        QCOMPARE(t[erster + k].text,
                 QStringLiteral("Text ") + sortiert[k]); // the entry moves whole
    }
}

void TstLeistarray::sortierenNurFreieEintraege()
{
    Leistarray t(Leistarray::bemaGroesse);
    t.sortieren();
    QVERIFY(belegte(t).isEmpty());
    QCOMPARE(t.groesse(), Leistarray::bemaGroesse);
}

void TstLeistarray::sortierenBelTabelleFreieNachVorn()
{
    Leistarray t(Leistarray::belGroesse);
    t.add(1, QStringLiteral("0010"), QStringLiteral("a"));
    t.add(1, QStringLiteral("0120"), QStringLiteral("b"));
    t.add(1, QStringLiteral("0001"), QStringLiteral("c"));
    t.sortieren();
    QCOMPARE(belegte(t), (QStringList {"298| 1|0001|c", "299| 1|0010|a", "300| 1|0120|b"}));
}

void TstLeistarray::sortierenVertauschtGleicheNummern()
{
    Leistarray t(Leistarray::bemaGroesse);
    t.add(1, QStringLiteral("5"), QStringLiteral("plus"));
    t.add(-1, QStringLiteral("5"), QStringLiteral("minus"));
    t.add(1, QStringLiteral("3"), QStringLiteral("drei"));
    t.sortieren();
    QCOMPARE(belegte(t), (QStringList {"38| 1|3|drei", "39|-1|5|minus", "40| 1|5|plus"}));
}

void TstLeistarray::anzahlWertLesen_data()
{
    QTest::addColumn<QString>("anz");
    QTest::addColumn<double>("wert");

    QTest::newRow("blank as plus sign") << " 3" << 3.0;
    QTest::newRow("deduction") << "-1" << -1.0;
    QTest::newRow("several leading blanks") << "   12" << 12.0;
    QTest::newRow("empty text") << "" << 0.0;
    QTest::newRow("no number") << "abc" << 0.0;
    QTest::newRow("number then text") << " 4x" << 4.0;
}

void TstLeistarray::anzahlWertLesen()
{
    QFETCH(QString, anz);
    QFETCH(double, wert);
    QCOMPARE(anzahlWert(anz), wert);
}

QTEST_APPLESS_MAIN(TstLeistarray)
#include "tst_leistarray.moc"
