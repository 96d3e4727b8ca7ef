#include "katalog/katalog.h"
#include "plan/berechnung.h"
#include "plan/region.h"

#include <QTest>

#include <limits>

// Row sums, totals per bonus level and own shares of a plan, and taking a finding of the
// catalogue over into a plan row.
class TestBerechnung : public QObject
{
    Q_OBJECT

private slots:
    void leererPlan();
    void zeilensummeJeStufe();
    void festsummeWaechstUmZeilensumme();
    void geloeschteZeileZaehltNicht();
    void eigenanteil();
    void eigenanteilExaktUeberDoubleGenauigkeit();
    void allergRechnetAlleZeilen();
    void produktUeberlaufWirdUngueltig();
    void summenUeberlaufWirdUngueltig();
    void ungueltigerBetragVerbreitetSich();
    void ungueltigVerschwindetNachKorrektur();
    void zeileAusserhalbAendertNichts();
    void befundUebernehmen();
    void befundErsetzenUndLoeschen();
    void grenzenGekreuzt_data();
    void grenzenGekreuzt();
    void befundOhneGrenzfelder();
    void befundMitUnendlichemBetrag();
};

namespace {

// A small catalogue in the tab-separated form of bef.txt: number, text, two infos, four amounts,
// four limits, two exclusion texts.
Katalog testKatalog()
{
    const QStringList zeilen {
        QStringLiteral("Nr\tBefund\tInfo1\tInfo2"),
        QStringLiteral("1.1\tErhaltungswürdiger Zahn\tInfo eins\tInfo zwei\t61,78\t74,14\t80.31\t"
                       "123,56\t5\t6\t7\t8\tnz\tnk"),
        QStringLiteral("2.1\tZahnlücke\t\t\t300,5\t360,6\t390,65\t601\t-1\t-1\t-1\t-1"),
        QStringLiteral("3.1\tohne Grenzen"),
        QStringLiteral("4.1\tnur Grenze 1\t\t\t10\t10\t10\t10\t-1\t2\t-1\t-1"),
        QStringLiteral("4.2\tnur Grenze 2\t\t\t10\t10\t10\t10\t-1\t-1\t2\t-1"),
        QStringLiteral("9.9\tunendlich\t\t\t1e999\t10\t10\t10\t-1\t-1\t-1\t-1"),
    };
    return katalogAusZeilen(zeilen);
}

void setzeZeile(PlanState &plan, int row, std::array<Geld, 4> betraege, std::int64_t anzahl)
{
    for (int b = 0; b < 4; ++b)
        plan.planwert[row][b] = betraege[b];
    plan.planwert[row][PlanState::spalteAnzahl] = anzahl;
    plan.plantext[row] = {QStringLiteral("x"), QStringLiteral("Befund")};
}

// What the window does when a region box is left: count within the row's limits, recalculate.
void regionAuswertenInZeile(PlanState &plan, int row, const QString &region)
{
    plan.planwert[row][PlanState::spalteAnzahl] = regionAuswerten(region, plan.grenzen(row)).anzahl;
    berechne_erg(plan, row);
}

constexpr Geld max = std::numeric_limits<Geld>::max();

} // namespace

void TestBerechnung::leererPlan()
{
    PlanState plan;
    berechne_allerg(plan);
    for (int b = 0; b < 4; ++b) {
        QCOMPARE(plan.festsumme[b], 0);
        QCOMPARE(::eigenanteil(plan, b), 0);
    }
    QCOMPARE(plan.aktbonus, 0);
    QCOMPARE(plan.aktzeile, 0);
    for (int row = 0; row < PlanState::zeilen; ++row)
        QVERIFY(!plan.hatBefund(row));
}

void TestBerechnung::zeilensummeJeStufe()
{
    PlanState plan;
    setzeZeile(plan, 4, {617800, 741400, 803100, 1235600}, 3);
    berechne_erg(plan, 4);
    QCOMPARE(plan.planwert[4][4], 1853400);
    QCOMPARE(plan.planwert[4][5], 2224200);
    QCOMPARE(plan.planwert[4][6], 2409300);
    QCOMPARE(plan.planwert[4][7], 3706800);
    QCOMPARE(plan.planwert[4][8], 0);
    QCOMPARE(plan.festsumme, (std::array<Geld, 4> {1853400, 2224200, 2409300, 3706800}));
    QCOMPARE(geld::text(plan.planwert[4][4], QLocale(QLocale::German)), QStringLiteral("185,34"));
}

void TestBerechnung::festsummeWaechstUmZeilensumme()
{
    PlanState plan;
    setzeZeile(plan, 0, {100000, 120000, 130000, 200000}, 2);
    setzeZeile(plan, 19, {5, 6, 7, 8}, 1);
    berechne_allerg(plan);
    const auto vorher = plan.festsumme;

    setzeZeile(plan, 7, {617800, 617800, 617800, 617800}, 3);
    berechne_erg(plan, 7);
    for (int b = 0; b < 4; ++b)
        QCOMPARE(plan.festsumme[b], vorher[b] + 1853400);
    QCOMPARE(plan.festsumme[0], 200005 + 1853400);
}

void TestBerechnung::geloeschteZeileZaehltNicht()
{
    PlanState plan;
    setzeZeile(plan, 2, {617800, 741400, 803100, 1235600}, 0);
    berechne_erg(plan, 2);
    QCOMPARE(plan.festsumme, (std::array<Geld, 4> {}));
}

void TestBerechnung::eigenanteil()
{
    PlanState plan;
    setzeZeile(plan, 0, {617800, 741400, 803100, 1235600}, 2);
    setzeZeile(plan, 1, {3005000, 3606000, 3906500, 6010000}, 1);
    berechne_allerg(plan);
    // Härtefall pays the whole standard care: no own share there.
    QCOMPARE(::eigenanteil(plan, 3), 0);
    QCOMPARE(::eigenanteil(plan, 0), (2471200 + 6010000) - (1235600 + 3005000));
    QCOMPARE(::eigenanteil(plan, 1), (2471200 + 6010000) - (1482800 + 3606000));
    QCOMPARE(::eigenanteil(plan, 2), (2471200 + 6010000) - (1606200 + 3906500));
    QCOMPARE(::eigenanteil(plan, 4), geld::ungueltig);
    QCOMPARE(::eigenanteil(plan, -1), geld::ungueltig);
}

void TestBerechnung::eigenanteilExaktUeberDoubleGenauigkeit()
{
    // 2^53 + 1 units cannot be a double; the own share keeps the last unit.
    PlanState plan;
    setzeZeile(plan, 0, {0, 0, 0, (Geld(1) << 53) + 1}, 1);
    berechne_allerg(plan);
    QCOMPARE(::eigenanteil(plan, 0), (Geld(1) << 53) + 1);
    QCOMPARE(geld::text(::eigenanteil(plan, 0), QLocale(QLocale::German)),
             QStringLiteral("900719925474,0993"));
}

void TestBerechnung::allergRechnetAlleZeilen()
{
    PlanState plan;
    for (int row = 0; row < PlanState::zeilen; ++row)
        setzeZeile(plan, row, {10000, 20000, 30000, 40000}, row + 1);
    berechne_allerg(plan);
    for (int row = 0; row < PlanState::zeilen; ++row)
        QCOMPARE(plan.planwert[row][7], 40000 * (row + 1));
    // 1 + 2 + ... + 20 = 210
    QCOMPARE(plan.festsumme, (std::array<Geld, 4> {2100000, 4200000, 6300000, 8400000}));
}

void TestBerechnung::produktUeberlaufWirdUngueltig()
{
    PlanState plan;
    setzeZeile(plan, 0, {1000, 1000, max / 2, 1000}, 3);
    setzeZeile(plan, 1, {5, 5, 5, 5}, 1);
    berechne_allerg(plan);
    QCOMPARE(plan.planwert[0][6], geld::ungueltig);
    QCOMPARE(plan.festsumme[2], geld::ungueltig);
    QCOMPARE(plan.festsumme[0], 3005);
    QCOMPARE(plan.festsumme[3], 3005);
    QCOMPARE(::eigenanteil(plan, 2), geld::ungueltig);
    QCOMPARE(::eigenanteil(plan, 0), 0);
    QCOMPARE(geld::text(plan.festsumme[2], QLocale(QLocale::German)), QStringLiteral("Überlauf"));
}

void TestBerechnung::summenUeberlaufWirdUngueltig()
{
    // Each row fits; their sum at level 3 does not.
    PlanState plan;
    setzeZeile(plan, 0, {1, 1, 1, max / 2 + 1}, 1);
    setzeZeile(plan, 10, {1, 1, 1, max / 2 + 1}, 1);
    berechne_allerg(plan);
    QCOMPARE(plan.planwert[0][7], max / 2 + 1);
    QCOMPARE(plan.festsumme[3], geld::ungueltig);
    QCOMPARE(plan.festsumme[0], 2);
    // Every own share is measured against level 3.
    for (int b = 0; b < 4; ++b)
        QCOMPARE(::eigenanteil(plan, b), geld::ungueltig);
}

void TestBerechnung::ungueltigerBetragVerbreitetSich()
{
    // A sum that came back into range after passing through an invalid row is still invalid.
    PlanState plan;
    setzeZeile(plan, 0, {geld::ungueltig, 1, 1, 1}, 1);
    setzeZeile(plan, 1, {-5, 1, 1, 1}, 1);
    berechne_allerg(plan);
    QCOMPARE(plan.planwert[0][4], geld::ungueltig);
    QCOMPARE(plan.festsumme[0], geld::ungueltig);
    QCOMPARE(::eigenanteil(plan, 0), geld::ungueltig);
    QCOMPARE(::eigenanteil(plan, 1), 0);
}

void TestBerechnung::ungueltigVerschwindetNachKorrektur()
{
    PlanState plan;
    setzeZeile(plan, 5, {max, max, max, max}, 2);
    berechne_erg(plan, 5);
    QCOMPARE(plan.festsumme[1], geld::ungueltig);
    plan.planwert[5][PlanState::spalteAnzahl] = 1;
    berechne_erg(plan, 5);
    QCOMPARE(plan.festsumme[1], max);
    QCOMPARE(::eigenanteil(plan, 1), 0);
}

void TestBerechnung::zeileAusserhalbAendertNichts()
{
    PlanState plan;
    setzeZeile(plan, 0, {1, 2, 3, 4}, 1);
    berechne_erg(plan, 20);
    berechne_erg(plan, -1);
    QCOMPARE(plan.planwert[0][4], 0);
    QCOMPARE(plan.festsumme[0], 0);
    const Katalog katalog = testKatalog();
    ::befundUebernehmen(plan, 20, katalog, 1);
    ::befundUebernehmen(plan, -1, katalog, 1);
    QCOMPARE(plan.festsumme[0], 0);
}

void TestBerechnung::befundUebernehmen()
{
    const Katalog katalog = testKatalog();
    PlanState plan;
    plan.aktbonus = 2;
    plan.aktzeile = 7;
    ::befundUebernehmen(plan, 3, katalog, 1);

    QCOMPARE(plan.plantext[3][0], QStringLiteral("1.1"));
    QCOMPARE(plan.plantext[3][1], QStringLiteral("Erhaltungswürdiger Zahn"));
    QVERIFY(plan.hatBefund(3));
    const auto &w = plan.planwert[3];
    QCOMPARE(w[0], 617800);
    QCOMPARE(w[1], 741400);
    QCOMPARE(w[2], 803100);
    QCOMPARE(w[3], 1235600);
    QCOMPARE(w[PlanState::spalteAnzahl], 1);
    QCOMPARE(w[4], 617800);
    QCOMPARE(w[7], 1235600);
    QCOMPARE(plan.festsumme, (std::array<Geld, 4> {617800, 741400, 803100, 1235600}));
    // The level and the current row are the window's to move.
    QCOMPARE(plan.aktbonus, 2);
    QCOMPARE(plan.aktzeile, 7);

    // Three teeth within the limits 5 (total) and 7 (per jaw).
    regionAuswertenInZeile(plan, 3, QStringLiteral("11,12 21"));
    QCOMPARE(w[PlanState::spalteAnzahl], 3);
    QCOMPARE(w[4], 1853400);
    QCOMPARE(plan.festsumme[0], 1853400);
    QCOMPARE(::eigenanteil(plan, 0), 3706800 - 1853400);
}

void TestBerechnung::befundErsetzenUndLoeschen()
{
    const Katalog katalog = testKatalog();
    PlanState plan;
    ::befundUebernehmen(plan, 0, katalog, 2);
    ::befundUebernehmen(plan, 1, katalog, 1);
    plan.planwert[1][PlanState::spalteAnzahl] = 2;
    berechne_erg(plan, 1);

    // Another finding for the same row replaces the first one.
    ::befundUebernehmen(plan, 1, katalog, 2);
    QCOMPARE(plan.plantext[1][0], QStringLiteral("2.1"));
    QCOMPARE(plan.planwert[1][0], 3005000);
    QCOMPARE(plan.planwert[1][2], 3906500);
    QCOMPARE(plan.planwert[1][PlanState::spalteAnzahl], 1);
    QCOMPARE(plan.grenzen(1), (std::array<std::int64_t, 4> {-1, -1, -1, -1}));
    QCOMPARE(plan.festsumme[3], 2 * 6010000);

    // The clear entry empties the row and its share of the totals; the other row stays.
    ::befundUebernehmen(plan, 1, katalog, 0);
    QVERIFY(!plan.hatBefund(1));
    QCOMPARE(plan.plantext[1][0], QString());
    for (int spalte = 0; spalte < 16; ++spalte)
        QCOMPARE(plan.planwert[1][spalte], 0);
    QCOMPARE(plan.festsumme, (std::array<Geld, 4> {3005000, 3606000, 3906500, 6010000}));
}

void TestBerechnung::grenzenGekreuzt_data()
{
    QTest::addColumn<int>("befund");
    QTest::addColumn<QString>("region");
    QTest::addColumn<qint64>("anzahl");

    // 11 12 13 31: befgrenze 1 = 2 replaces the exceeded count; befgrenze 2 = 2 cuts each jaw.
    QTest::newRow("befgrenze 1 wirkt als Obergrenze") << 4 << "11 12 13 31" << qint64(2);
    QTest::newRow("befgrenze 2 wirkt je Kiefer") << 5 << "11 12 13 31" << qint64(3);
    QTest::newRow("befgrenze 1 genau erreicht") << 4 << "11 31" << qint64(1);
    QTest::newRow("befgrenze 2 mit OK UK") << 5 << "OK UK" << qint64(2);
}

void TestBerechnung::grenzenGekreuzt()
{
    QFETCH(int, befund);
    QFETCH(QString, region);
    QFETCH(qint64, anzahl);

    const Katalog katalog = testKatalog();
    PlanState plan;
    ::befundUebernehmen(plan, 0, katalog, 1);
    QCOMPARE(plan.grenzen(0), (std::array<std::int64_t, 4> {5, 7, 6, 8}));

    ::befundUebernehmen(plan, 6, katalog, befund);
    regionAuswertenInZeile(plan, 6, region);
    QCOMPARE(plan.planwert[6][PlanState::spalteAnzahl], anzahl);
    QCOMPARE(plan.planwert[6][4], 100000 * anzahl);
}

void TestBerechnung::befundOhneGrenzfelder()
{
    // A line with number and text only: no amounts, every limit an active 0, so the count is 1
    // whatever the region.
    const Katalog katalog = testKatalog();
    PlanState plan;
    ::befundUebernehmen(plan, 0, katalog, 3);
    QCOMPARE(plan.plantext[0][1], QStringLiteral("ohne Grenzen"));
    QCOMPARE(plan.grenzen(0), (std::array<std::int64_t, 4> {}));
    regionAuswertenInZeile(plan, 0, QStringLiteral("11 12 13 OK UK"));
    QCOMPARE(plan.planwert[0][PlanState::spalteAnzahl], 1);
    QCOMPARE(plan.festsumme, (std::array<Geld, 4> {}));
}

void TestBerechnung::befundMitUnendlichemBetrag()
{
    const Katalog katalog = testKatalog();
    PlanState plan;
    ::befundUebernehmen(plan, 0, katalog, 2);
    ::befundUebernehmen(plan, 1, katalog, 6);
    QCOMPARE(plan.planwert[1][0], geld::ungueltig);
    QCOMPARE(plan.planwert[1][1], 100000);
    QCOMPARE(plan.planwert[1][4], geld::ungueltig);
    QCOMPARE(plan.festsumme[0], geld::ungueltig);
    QCOMPARE(plan.festsumme[1], 3606000 + 100000);
    QCOMPARE(::eigenanteil(plan, 0), geld::ungueltig);
    QCOMPARE(::eigenanteil(plan, 1), 6010000 + 100000 - (3606000 + 100000));
}

QTEST_APPLESS_MAIN(TestBerechnung)
#include "tst_berechnung.moc"
