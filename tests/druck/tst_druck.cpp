// The printed report on the recording surface: every kind of report line by line, with positions
// in column units (U = W / 10 = 1100 twips on the default metrics), page breaks with header and
// page number line, the billing notice, the service totals and their limits.

#include "druck/aufzeichnung.h"
#include "druck/druck.h"
#include "druck/drucklauf.h"
#include "katalog/katalog.h"
#include "leistungen/leistarray.h"

#include <QTest>

namespace {

constexpr double U = 1100; // W / 10 of the default metrics

using Eintraege = QList<QPair<QString, QString>>; // number field (with "-" for a deduction), text

struct KBefund
{
    QString nr;
    QString text;
    Eintraege bema;
    Eintraege bel;
};

// A catalogue as "bef.txt" would give it: the first service entries on the finding line, the
// others on continuation lines.
Katalog katalogAus(const QList<KBefund> &befunde)
{
    QStringList zeilen {QStringLiteral("Nr\tBefund\tKopfzeile")};
    for (const KBefund &b : befunde) {
        const qsizetype n = std::max<qsizetype>({1, b.bema.size(), b.bel.size()});
        for (qsizetype k = 0; k < n; ++k) {
            QStringList f(20);
            if (k == 0) {
                f[0] = b.nr;
                f[1] = b.text;
                f[4] = f[5] = f[6] = f[7] = QStringLiteral("100");
                f[8] = f[9] = f[10] = f[11] = QStringLiteral("-1");
            }
            if (k < b.bema.size()) {
                f[16] = b.bema[k].first;
                f[17] = b.bema[k].second;
            }
            if (k < b.bel.size()) {
                f[18] = b.bel[k].first;
                f[19] = b.bel[k].second;
            }
            zeilen << f.join(u'\t');
        }
    }
    return katalogAusZeilen(zeilen);
}

// Finding 1 "Krone" and finding 2 "Brücke" with the marker as its first BEMA entry.
Katalog beispielKatalog()
{
    return katalogAus({
        {"1.1", "Krone", {{"13a", "Füllung"}, {"-0010", "Untersuchung"}}, {{"001", "Modell"}}},
        {"2.1", "Brücke", {{"BEMA 2004", ""}, {"13a", "Füllung"}}, {{"-933", "Abzug"}}},
    });
}

DruckDaten grunddaten()
{
    DruckDaten d;
    d.patient = QStringLiteral("  Erika Muster ");
    d.lblBonus = {"ohne Bonus", "Bonus 20%", "Bonus 30%", "Härtefall"};
    d.festsum = {"300", "360", "390", "600"};
    d.eigenanteil = {"50,5", "40", "35", "0"};
    d.plan.aktbonus = 1;
    d.datum = QDate(2026, 12, 24);
    d.zeit = QTime(9, 5);
    return d;
}

void setzeZeile(DruckDaten &d, int i, const QString &regio, int befundIndex, const QString &befnr,
                const QString &beftext, std::int64_t anzahl, std::array<Geld, 4> einzel)
{
    const auto z = static_cast<std::size_t>(i);
    d.regio[z] = regio;
    d.befundIndex[z] = befundIndex;
    d.plan.plantext[z] = {befnr, beftext};
    auto &w = d.plan.planwert[z];
    for (std::size_t b = 0; b < 4; ++b) {
        w[b] = einzel[b];
        w[b + 4] = einzel[b] * anzahl;
    }
    w[PlanState::spalteAnzahl] = anzahl;
}

// Row 0 "Krone", row 1 a region without finding, row 2 "Brücke" without region, row 3 a finding
// text of blanks only. Each level has its own amounts, so a crossed column shows.
DruckDaten beispielDaten()
{
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11 12 13 14", 1, " 1.1 ", "Krone", 4, {1000000, 1500000, 1700000, 2000000});
    d.regio[1] = QStringLiteral("21");
    setzeZeile(d, 2, "", 2, "2.1", "Brücke", 1, {100000, 314000, 400000, 500000});
    d.regio[3] = QStringLiteral("31");
    d.plan.plantext[3] = {"3.1", "   "};
    return d;
}

const QString kopf1 = QStringLiteral("1:Erika Muster|4:Kalvomat|7:24.12.26|8:09:05");
const QString kopf2 = QStringLiteral("1:Erika Muster|3:Seite  2 |4:Kalvomat|7:24.12.26|8:09:05");
const QStringList oben {
    kopf1,
    "3:Summen Festzuschüsse:   |6:geschätzte Regel-Eigenanteile ",
    "2:Härtefall : |4:600 EUR|6:0 EUR",
    "2:ohne Bonus : |4:300 EUR|6:50,5 EUR",
    "2:Bonus 20% : |4:360 EUR|6:40 EUR",
    "2:Bonus 30% : |4:390 EUR|6:35 EUR",
    "",
    "1: Werte (in EUR ) der Einzelbefunde , Angabe gemäß gewählter Bonusstufe : 'Bonus 20%'",
    "",
};
const QString zeileKrone =
    QStringLiteral("0:Festzuschuss:|1.8:11 12 13 14|3:1.1  Krone|5: 4 x |6: 150 |7: 600 ");
const QString zeileBruecke =
    QStringLiteral("0:Festzuschuss:|3:2.1  Brücke|5: 1 x |6: 31,4 |7: 31,4 ");
const QStringList hinweis {
    "3:Regel- und gleichartige Versorgung: ",
    "3:Die Richtlinien des BEMA sind weiterhin maßgeblich bei Ansatz der ",
    "3:Gebührennummern in HKP und Rechnung für Leistungen, die der Regel-",
    "3:versorgung entsprechen. Leistungen, die über die Regelversorgung ",
    "3:hinausgehen, werden nach GOZ und BEB bewertet.  ",
    "3:Andersartige Versorgungen werden vollständig nach GOZ und BEB bewertet.",
};
const QString fuss1 = QStringLiteral("6.6:- 1  -");

// The notice's first line stands on the label line of the list that prints it.
QStringList hinweisNach(const QString &label)
{
    QStringList z = hinweis;
    z[0] = label + u'|' + z[0];
    return z;
}

struct Lauf
{
    Aufzeichnung flaeche;
    Leistarray bema {Leistarray::bemaGroesse};
    Leistarray bel {Leistarray::belGroesse};
    bool ok = false;

    explicit Lauf(Aufzeichnung::Metrik m = {}) : flaeche(m) { }
    void druck(const DruckDaten &d, const Katalog &k, int incl)
    {
        ok = ::druck(flaeche, d, k, incl, bema, bel);
    }
    QStringList seite(int s) const { return flaeche.seitenBild(s, U); }
    int vorkommen(const QString &text) const
    {
        int n = 0;
        for (const auto &e : flaeche.eintraege())
            n += e.text == text ? 1 : 0;
        return n;
    }
};

int belegt(const Leistarray &t)
{
    int n = 0;
    for (int i = 0; i < t.groesse(); ++i)
        n += t[i].nr.isEmpty() ? 0 : 1;
    return n;
}

} // namespace

class TstDruck : public QObject
{
    Q_OBJECT

private slots:
    void jedeDruckwahl_data();
    void jedeDruckwahl();
    void leererPlan_data();
    void leererPlan();
    void summenUndSchriftgroesse();
    void feldformen_data();
    void feldformen();
    void regionEndetBei2Komma8U();
    void mehrseitigOhneListen();
    void seitenumbruchInDerListe();
    void belListePrueftJedenIndex();
    void seitenpruefungSchliesstOffeneZeile();
    void seitenpruefungOhneOffeneZeile();
    void wiederholteSeitenpruefung();
    void hinweisNurEinmal();
    void doppelterBefundtext_data();
    void doppelterBefundtext();
    void unbekannterBefund_data();
    void unbekannterBefund();
    void volleBemaSumme();
    void volleBelSumme();
    void flaecheNichtBereit();
    void dokumentEndeScheitert();
    void abbrechenDrucktNichts();
    void summenWerdenImmerGeleert();
};

void TstDruck::jedeDruckwahl_data()
{
    QTest::addColumn<int>("incl");
    QTest::addColumn<QStringList>("rumpf"); // the lines after the value line

    const QString bemaKrone1 = "0:Regelversorgung:|2:BEMA :|4:13a|5:Füllung";
    const QString bemaKrone2 = "3:! abzgl !|4:0010|5:Untersuchung";
    const QString belKrone = "0:Regelversorgung:|2:BEL :|4:001|5:Modell";
    const QString belBruecke = "0:Regelversorgung:|2:BEL :|3:! abzgl !|4:933|5:Abzug";
    const QStringList bemaBruecke =
        hinweisNach("0:Regelversorgung:|2:BEMA :") + QStringList {"4:13a|5:Füllung"};
    const QStringList bemaSortiert =
        QStringList {// the name ends before the deduction flag at 3 U
                     "0:Regelversorgung:|2:BEMA (sor…|3:! abzgl !|4:0010|5:Untersuchung",
                     "4:13a|5:Füllung"}
        + hinweis;
    const QStringList belSortiert {"0:Regelversorgung:|2:BEL (sort.):|4:001|5:Modell",
                                   "3:! abzgl !|4:933|5:Abzug"};

    QTest::newRow("0 nur Festzuschüsse") << 0 << QStringList {zeileKrone, zeileBruecke};
    QTest::newRow("1 BEMA je Befund")
        << 1 << QStringList {zeileKrone, bemaKrone1, bemaKrone2, zeileBruecke} + bemaBruecke;
    QTest::newRow("2 BEL je Befund")
        << 2 << QStringList {zeileKrone, belKrone, zeileBruecke, belBruecke};
    QTest::newRow("3 BEMA gesamt") << 3 << QStringList {zeileKrone, zeileBruecke} + bemaSortiert;
    QTest::newRow("4 BEL gesamt") << 4 << QStringList {zeileKrone, zeileBruecke} + belSortiert;
    QTest::newRow("5 BEMA+BEL je Befund")
        << 5
        << QStringList {zeileKrone, bemaKrone1, bemaKrone2, belKrone, zeileBruecke} + bemaBruecke
            + QStringList {belBruecke};
    QTest::newRow("6 BEMA+BEL gesamt")
        << 6 << QStringList {zeileKrone, zeileBruecke} + bemaSortiert + belSortiert;
}

void TstDruck::jedeDruckwahl()
{
    QFETCH(int, incl);
    QFETCH(QStringList, rumpf);

    Lauf lauf;
    lauf.druck(beispielDaten(), beispielKatalog(), incl);
    QVERIFY(lauf.ok);
    QCOMPARE(lauf.flaeche.seiten(), 1);
    QCOMPARE(lauf.flaeche.dokumentEnden(), 1);
    QCOMPARE(lauf.seite(1), (oben + rumpf)); // one page: no page number line at all
}

void TstDruck::leererPlan_data()
{
    QTest::addColumn<int>("incl");
    QTest::addColumn<QStringList>("rumpf");

    const QString bema = "0:Regelversorgung:|2:BEMA (sort.):";
    const QString bel = "0:Regelversorgung:|2:BEL (sort.):";
    for (int incl : {0, 1, 2, 5})
        QTest::addRow("kind %d prints the top only", incl) << incl << QStringList {};
    QTest::newRow("3 sorted BEMA heading") << 3 << QStringList {bema};
    QTest::newRow("4 sorted BEL heading") << 4 << QStringList {bel};
    QTest::newRow("6 both headings") << 6 << QStringList {bema, bel};
}

void TstDruck::leererPlan()
{
    QFETCH(int, incl);
    QFETCH(QStringList, rumpf);

    DruckDaten d = grunddaten();
    d.regio[0] = QStringLiteral("11"); // a region alone prints no row
    Lauf lauf;
    lauf.druck(d, beispielKatalog(), incl);
    QVERIFY(lauf.ok);
    QCOMPARE(lauf.flaeche.seiten(), 1);
    QCOMPARE(lauf.seite(1), (oben + rumpf));
}

void TstDruck::summenUndSchriftgroesse()
{
    DruckDaten d = beispielDaten();
    d.plan.aktbonus = 3;
    Lauf lauf;
    lauf.druck(d, beispielKatalog(), 0);
    QCOMPARE(lauf.flaeche.schriftgroesse(), 10);
    QCOMPARE(lauf.seite(1).at(7),
             "1: Werte (in EUR ) der Einzelbefunde , Angabe gemäß gewählter Bonusstufe : "
             "'Härtefall'");
    // The finding lines follow the chosen level: single amount 200, row sum 800.
    QCOMPARE(lauf.seite(1).at(9),
             "0:Festzuschuss:|1.8:11 12 13 14|3:1.1  Krone|5: 4 x |6: 200 |7: 800 ");
}

void TstDruck::feldformen_data()
{
    QTest::addColumn<bool>("betrag");
    QTest::addColumn<qint64>("wert");
    QTest::addColumn<QString>("feld");

    QTest::newRow("page number 12") << false << qint64(12) << " 12 ";
    QTest::newRow("count 0") << false << qint64(0) << " 0 ";
    QTest::newRow("negative count") << false << qint64(-3) << "-3 ";
    QTest::newRow("most negative count")
        << false << std::numeric_limits<qint64>::min() << "-9223372036854775808 ";
    QTest::newRow("150 EUR without decimals") << true << qint64(1500000) << " 150 ";
    QTest::newRow("31,40 EUR without trailing zero") << true << qint64(314000) << " 31,4 ";
    QTest::newRow("minus takes the leading blank") << true << qint64(-55000) << "-5,5 ";
    QTest::newRow("amount 0") << true << qint64(0) << " 0 ";
    QTest::newRow("no group separator") << true << qint64(12345000) << " 1234,5 ";
    QTest::newRow("overflow shows as such") << true << qint64(geld::ungueltig) << " Überlauf ";
}

void TstDruck::feldformen()
{
    QFETCH(bool, betrag);
    QFETCH(qint64, wert);
    QFETCH(QString, feld);
    QCOMPARE(betrag ? betragFeld(wert, geld::anzeigeLocale()) : zahlFeld(wert), feld);
}

void TstDruck::regionEndetBei2Komma8U()
{
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "21", 1, "1.1", "Krone", 1, {1, 2, 3, 4});
    setzeZeile(d, 1, "11 12 13 14 15 16 17 18 21 22 23 24 25 26 27 28", 1, "1.1", "Krone", 1,
               {1, 2, 3, 4});
    Lauf lauf;
    lauf.druck(d, beispielKatalog(), 0);
    const auto kurz = lauf.flaeche.zeile(1, 9).at(1);
    QCOMPARE(kurz.text, QStringLiteral("21"));
    QCOMPARE(kurz.x, 3 * U - 200 - U / 5);
    // A region wider than 2.8 U starts left of the page's edge; it is neither cut nor wrapped.
    const auto lang = lauf.flaeche.zeile(1, 10).at(1);
    QCOMPARE(lang.text.size(), 47);
    QCOMPARE(lang.x, 3 * U - 4700 - U / 5);
    QVERIFY(lang.x < 0);
    // "0.0001 EUR" amounts in general form.
    QCOMPARE(lauf.seite(1).at(9),
             "0:Festzuschuss:|2.61818:21|3:1.1  Krone|5: 1 x |6: 0,0002 |7: 0,0002 ");
}

void TstDruck::mehrseitigOhneListen()
{
    // 15 lines of 240 twips; the page is full from line 12 on (y + 3 lines >= H).
    Lauf lauf({11000, 3600, 240, 100});
    DruckDaten d = grunddaten();
    for (int i = 0; i < 5; ++i)
        setzeZeile(d, i, "11 12 13 14", 1, "1.1", "Krone", 1, {0, 1500000, 0, 0});
    lauf.druck(d, beispielKatalog(), 0);
    QVERIFY(lauf.ok);

    const QString zeile = "0:Festzuschuss:|1.8:11 12 13 14|3:1.1  Krone|5: 1 x |6: 150 |7: 150 ";
    QCOMPARE(lauf.flaeche.seiten(), 2);
    QCOMPARE(lauf.seite(1), (oben + QStringList {zeile, zeile, zeile, "", fuss1}));
    QCOMPARE(lauf.seite(2), (QStringList {kopf2, zeile, zeile})); // the last page has no footer
    const auto fuss = lauf.flaeche.zeile(1, 13);
    QCOMPARE(fuss.size(), 3);
    QCOMPARE(fuss[0].x, 11000 * 0.66);
    QCOMPARE(fuss[1].text, QStringLiteral(" 1 "));
    const auto seite = lauf.flaeche.zeile(2, 0);
    QCOMPARE(seite[1].x, 3 * U);
    QCOMPARE(seite[1].text + seite[2].text, QStringLiteral("Seite  2 "));
}

void TstDruck::seitenumbruchInDerListe()
{
    Lauf lauf({11000, 3600, 240, 100});
    const Katalog k =
        katalogAus({{"1.1", "Krone", {{"01", "eins"}, {"02", "zwei"}, {"03", "drei"}}, {}}});
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11 12 13 14", 1, "1.1", "Krone", 4, {1000000, 1500000, 0, 0});
    lauf.druck(d, k, 1);
    QCOMPARE(lauf.flaeche.seiten(), 2);
    QCOMPARE(lauf.seite(1),
             (oben
              + QStringList {zeileKrone, "0:Regelversorgung:|2:BEMA :|4:01|5:eins", "4:02|5:zwei",
                             "", fuss1}));
    // The list goes on below the header without repeating its label.
    QCOMPARE(lauf.seite(2), (QStringList {kopf2, "4:03|5:drei"}));
}

void TstDruck::belListePrueftJedenIndex()
{
    const Katalog k = katalogAus({{"1.1", "Krone", {}, {{"01", "eins"}, {"02", "zwei"}}}});
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11 12 13 14", 1, "1.1", "Krone", 4, {1000000, 1500000, 0, 0});
    setzeZeile(d, 1, "11 12 13 14", 1, "1.1", "Krone", 4, {1000000, 1500000, 0, 0});

    // After its last entry the BEL list still checks the page at the following entry indexes
    // and closes the full page, so the next finding line opens page 2.
    Lauf lauf({11000, 3600, 240, 100});
    lauf.druck(d, k, 2);
    const QString bel1 = "0:Regelversorgung:|2:BEL :|4:01|5:eins";
    QCOMPARE(lauf.seite(1), (oben + QStringList {zeileKrone, bel1, "4:02|5:zwei", "", fuss1}));
    QCOMPARE(lauf.seite(2), (QStringList {kopf2, zeileKrone, bel1, "4:02|5:zwei"}));
}

void TstDruck::seitenpruefungSchliesstOffeneZeile()
{
    Aufzeichnung f({11000, 3600, 240, 100});
    const DruckDaten d = grunddaten();
    const Katalog k;
    Drucklauf lauf(f, d, k);
    lauf.U = 1100;
    lauf.datum = d.datum;
    lauf.zeit = d.zeit;
    for (int i = 0; i < 12; ++i)
        f.zeileEnde();
    f.setX(2 * U);
    f.drucke(QStringLiteral("offen"));
    evtl_neue_druckseite(lauf);
    QCOMPARE(lauf.seite, 2);
    QCOMPARE(f.zeilenBild(1, 12, U), QStringLiteral("2:offen"));
    QCOMPARE(f.zeilenBild(1, 13, U), fuss1); // directly below the open line
    QCOMPARE(f.zeilenAnzahl(1), 14);
    QCOMPARE(f.seitenBild(2, U), QStringList {kopf2});
}

void TstDruck::seitenpruefungOhneOffeneZeile()
{
    Aufzeichnung f({11000, 3600, 240, 100});
    const DruckDaten d = grunddaten();
    const Katalog k;
    Drucklauf lauf(f, d, k);
    lauf.datum = d.datum;
    lauf.zeit = d.zeit;
    for (int i = 0; i < 11; ++i)
        f.zeileEnde();
    evtl_neue_druckseite(lauf); // line 11: three lines of room are left
    QCOMPARE(lauf.seite, 1);
    QCOMPARE(f.zeileJetzt(), 11);
    f.zeileEnde();
    evtl_neue_druckseite(lauf); // line 12: full
    QCOMPARE(lauf.seite, 2);
    QCOMPARE(f.zeilenBild(1, 12, U), QString());
    QCOMPARE(f.zeilenBild(1, 13, U), fuss1);
}

void TstDruck::wiederholteSeitenpruefung()
{
    Aufzeichnung f({11000, 3600, 240, 100});
    const DruckDaten d = grunddaten();
    const Katalog k;
    Drucklauf lauf(f, d, k);
    lauf.datum = d.datum;
    lauf.zeit = d.zeit;
    for (int i = 0; i < 20; ++i)
        f.zeileEnde();
    for (int i = 0; i < 5; ++i)
        evtl_neue_druckseite(lauf);
    QCOMPARE(lauf.seite, 2);
    QCOMPARE(f.seiten(), 2);
    QCOMPARE(f.zeileJetzt(), 1);
}

void TstDruck::hinweisNurEinmal()
{
    // "Nur Marker" has the marker as its only BEMA entry: once the notice stands on the report,
    // its list has nothing to print and its label line is ended like an empty list.
    const Katalog k = katalogAus({
        {"1", "Mit Marker", {{"BEMA 2004", ""}, {"01", "eins"}}, {}},
        {"2", "Nur Marker", {{"BEMA 2004", ""}}, {}},
    });
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11", 1, "1", "Mit Marker", 1, {0, 0, 0, 0});
    setzeZeile(d, 1, "12", 2, "2", "Nur Marker", 1, {0, 0, 0, 0});
    setzeZeile(d, 2, "13", 1, "1", "Mit Marker", 1, {0, 0, 0, 0});
    Lauf lauf;
    lauf.druck(d, k, 1);
    const QString z1 = "0:Festzuschuss:|2.61818:11|3:1  Mit Marker|5: 1 x |6: 0 |7: 0 ";
    const QString z2 = "0:Festzuschuss:|2.61818:12|3:2  Nur Marker|5: 1 x |6: 0 |7: 0 ";
    const QString z3 = "0:Festzuschuss:|2.61818:13|3:1  Mit Marker|5: 1 x |6: 0 |7: 0 ";
    QCOMPARE(lauf.seite(1),
             (oben + QStringList {z1} + hinweisNach("0:Regelversorgung:|2:BEMA :")
              + QStringList {"4:01|5:eins", z2, "0:Regelversorgung:|2:BEMA :", z3,
                             "0:Regelversorgung:|2:BEMA :|4:01|5:eins"}));
    QCOMPARE(lauf.vorkommen(hinweis[0].mid(2)), 1);

    // In the sorted total the marker stands once, and so does the notice.
    Lauf gesamt;
    gesamt.druck(d, k, 6);
    QCOMPARE(gesamt.seite(1),
             (oben + QStringList {z1, z2, z3, "0:Regelversorgung:|2:BEMA (sort.):|4:01|5:eins"}
              + hinweis + QStringList {"0:Regelversorgung:|2:BEL (sort.):"}));
    QCOMPARE(gesamt.vorkommen(hinweis[5].mid(2)), 1);
}

void TstDruck::doppelterBefundtext_data()
{
    QTest::addColumn<int>("befundIndex");
    QTest::addColumn<QString>("beftext");
    QTest::addColumn<QString>("bema"); // number of the BEMA service listed and added
    QTest::addColumn<QString>("bel");

    // Findings 1 and 2 share the text "Krone"; finding 3 is "Brücke".
    QTest::newRow("the finding chosen for the row, not the later one of the same text")
        << 1 << "Krone"
        << "A1"
        << "LA";
    QTest::newRow("the later one when it was chosen") << 2 << "Krone"
                                                      << "B2"
                                                      << "LB";
    QTest::newRow("no index known: the last finding of that text") << -1 << "Krone"
                                                                   << "B2"
                                                                   << "LB";
    QTest::newRow("index whose text no longer matches: looked up by text") << 1 << "Brücke"
                                                                           << "C3"
                                                                           << "LC";
    QTest::newRow("index outside the catalogue: looked up by text") << 71 << "Krone"
                                                                    << "B2"
                                                                    << "LB";
}

void TstDruck::doppelterBefundtext()
{
    QFETCH(int, befundIndex);
    QFETCH(QString, beftext);
    QFETCH(QString, bema);
    QFETCH(QString, bel);

    const Katalog k = katalogAus({
        {"1.1", "Krone", {{"A1", "T"}}, {{"LA", "T"}}},
        {"1.2", "Krone", {{"B2", "T"}}, {{"LB", "T"}}},
        {"2.1", "Brücke", {{"C3", "T"}}, {{"LC", "T"}}},
    });
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11", befundIndex, "x", beftext, 1, {0, 0, 0, 0});

    Lauf jeBefund;
    jeBefund.druck(d, k, 5);
    QCOMPARE(jeBefund.seite(1).mid(10),
             (QStringList {"0:Regelversorgung:|2:BEMA :|4:" + bema + "|5:T",
                           "0:Regelversorgung:|2:BEL :|4:" + bel + "|5:T"}));

    // The totals receive the services of the same finding.
    Lauf gesamt;
    gesamt.druck(d, k, 6);
    QCOMPARE(belegt(gesamt.bema), 1);
    QCOMPARE(gesamt.bema[Leistarray::bemaGroesse - 1].nr, bema);
    QCOMPARE(belegt(gesamt.bel), 1);
    QCOMPARE(gesamt.bel[Leistarray::belGroesse - 1].nr, bel);
}

void TstDruck::unbekannterBefund_data()
{
    QTest::addColumn<int>("incl");
    QTest::addColumn<QStringList>("rumpf");

    const QString zeile = "0:Festzuschuss:|2.61818:11|3:9.9  Unbekannt|5: 2 x |6: 150 |7: 300 ";
    const QString bema = "0:Regelversorgung:|2:BEMA :";
    const QString bel = "0:Regelversorgung:|2:BEL :";
    QTest::newRow("0") << 0 << QStringList {zeile, zeileBruecke};
    QTest::newRow("1 label line only") << 1
                                       << QStringList {zeile, bema, zeileBruecke}
            + hinweisNach(bema) + QStringList {"4:13a|5:Füllung"};
    QTest::newRow("2 label line only")
        << 2 << QStringList {zeile, bel, zeileBruecke, bel + "|3:! abzgl !|4:933|5:Abzug"};
    QTest::newRow("5 both label lines")
        << 5
        << QStringList {zeile, bema, bel, zeileBruecke} + hinweisNach(bema)
            + QStringList {"4:13a|5:Füllung", bel + "|3:! abzgl !|4:933|5:Abzug"};
    QTest::newRow("6 adds nothing to the totals")
        << 6
        << QStringList {zeile, zeileBruecke, "0:Regelversorgung:|2:BEMA (sort.):|4:13a|5:Füllung"}
            + hinweis + QStringList {"0:Regelversorgung:|2:BEL (sort…|3:! abzgl !|4:933|5:Abzug"};
}

void TstDruck::unbekannterBefund()
{
    QFETCH(int, incl);
    QFETCH(QStringList, rumpf);

    // Row 0 names a finding the catalogue does not hold (say, a plan kept from an older catalogue).
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11", 5, "9.9", "Unbekannt", 2, {0, 1500000, 0, 0});
    setzeZeile(d, 1, "", 2, "2.1", "Brücke", 1, {100000, 314000, 400000, 500000});
    Lauf lauf;
    lauf.druck(d, beispielKatalog(), incl);
    QVERIFY(lauf.ok);
    QCOMPARE(lauf.seite(1), (oben + rumpf));
    if (incl == 6) {
        QCOMPARE(belegt(lauf.bema), 2); // the marker and 13a of "Brücke"
        QCOMPARE(belegt(lauf.bel), 1);
    }
}

void TstDruck::volleBemaSumme()
{
    Eintraege bema;
    for (int i = 1; i <= 42; ++i)
        bema.append({QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), QStringLiteral("L")});
    const Katalog k = katalogAus({{"1", "Viele", bema, {}}});
    DruckDaten d = grunddaten();
    setzeZeile(d, 0, "11", 1, "1", "Viele", 1, {0, 0, 0, 0});
    Lauf lauf;
    lauf.druck(d, k, 3);
    const QStringList s = lauf.seite(1);
    QCOMPARE(s.size(), 9 + 1 + 41 + 1);
    QCOMPARE(s.at(10), QStringLiteral("0:Regelversorgung:|2:BEMA (sort.):|4:01|5:L"));
    QCOMPARE(s.at(50), QStringLiteral("4:41|5:L")); // the 41st service is listed
    QCOMPARE(s.at(51), QStringLiteral("3:Weitere Leistungen passten nicht in die Liste."));
    QCOMPARE(lauf.vorkommen(QStringLiteral("42")), 0);
}

void TstDruck::volleBelSumme()
{
    // Three findings with 101 different BEL services each: 303 services for 301 entries.
    QList<KBefund> befunde;
    for (int b = 0; b < 3; ++b) {
        Eintraege bel;
        for (int i = 0; i <= Katalog::hoechsterEintrag; ++i)
            bel.append({QStringLiteral("%1").arg(b * 101 + i, 3, 10, QLatin1Char('0')), "L"});
        befunde.append({QString::number(b + 1), "B" + QString::number(b + 1), {}, bel});
    }
    const Katalog k = katalogAus(befunde);
    DruckDaten d = grunddaten();
    for (int b = 0; b < 3; ++b)
        setzeZeile(d, b, "11", b + 1, QString::number(b + 1), "B" + QString::number(b + 1), 1,
                   {0, 0, 0, 0});
    Lauf lauf({11000, 1e6, 240, 100});
    lauf.druck(d, k, 6);
    const QStringList s = lauf.seite(1);
    QCOMPARE(belegt(lauf.bel), Leistarray::belGroesse);
    QCOMPARE(s.size(), 9 + 3 + 1 + 301 + 1);
    QCOMPARE(s.at(12), QStringLiteral("0:Regelversorgung:|2:BEMA (sort.):"));
    QCOMPARE(s.at(13), QStringLiteral("0:Regelversorgung:|2:BEL (sort.):|4:000|5:L"));
    QCOMPARE(s.at(313), QStringLiteral("4:300|5:L"));
    QCOMPARE(s.last(), QStringLiteral("3:Weitere Leistungen passten nicht in die Liste."));
    QCOMPARE(lauf.vorkommen(QStringLiteral("Weitere Leistungen passten nicht in die Liste.")), 1);
}

void TstDruck::flaecheNichtBereit()
{
    Lauf lauf;
    lauf.flaeche.setBereit(false);
    lauf.druck(beispielDaten(), beispielKatalog(), 6);
    QVERIFY(!lauf.ok);
    QVERIFY(lauf.flaeche.eintraege().isEmpty());
    QCOMPARE(lauf.flaeche.dokumentEnden(), 0);
}

void TstDruck::dokumentEndeScheitert()
{
    Lauf lauf;
    lauf.flaeche.setDokumentEndeGelingt(false);
    lauf.druck(beispielDaten(), beispielKatalog(), 0);
    QVERIFY(!lauf.ok);
    QCOMPARE(lauf.flaeche.dokumentEnden(), 1);
}

void TstDruck::abbrechenDrucktNichts()
{
    Lauf lauf;
    lauf.druck(beispielDaten(), beispielKatalog(), abbrechen);
    QVERIFY(!lauf.ok);
    QVERIFY(lauf.flaeche.eintraege().isEmpty());
    QCOMPARE(lauf.flaeche.dokumentEnden(), 0);
}

void TstDruck::summenWerdenImmerGeleert()
{
    Lauf lauf;
    lauf.druck(beispielDaten(), beispielKatalog(), 6);
    QCOMPARE(belegt(lauf.bema), 3);
    QCOMPARE(belegt(lauf.bel), 2);
    lauf.druck(beispielDaten(), beispielKatalog(), 0);
    QCOMPARE(belegt(lauf.bema), 0);
    QCOMPARE(belegt(lauf.bel), 0);
}

QTEST_APPLESS_MAIN(TstDruck)
#include "tst_druck.moc"
