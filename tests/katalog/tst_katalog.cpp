#include "katalog/katalog.h"
#include "katalog/textzeilen.h"
#include "katalog/zahlwert.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

namespace {

const QString kopf = QStringLiteral("Nr\tBefund\tInfo1\tInfo2");
const QString leer = QString::fromUtf16(Katalog::leerEintrag);

// One line of bef.txt from its fields.
QString zeile(const QStringList &felder)
{
    return felder.join(u'\t');
}

// A line that only adds a BEMA entry (field 17/18) to the finding above it.
QString bemaZeile(const QString &nr, const QString &text = QStringLiteral("Leistung"))
{
    QStringList f(16);
    f << nr << text;
    return zeile(f);
}

QString belZeile(const QString &nr, const QString &text = QStringLiteral("Labor"))
{
    QStringList f(18);
    f << nr << text;
    return zeile(f);
}

// A finding line with number, text and (optionally) fields 17 and 18.
QString befundZeile(const QString &nr, const QString &text, const QString &bemaNr = {})
{
    QStringList f {nr, text};
    if (!bemaNr.isEmpty()) {
        while (f.size() < 16)
            f << QString();
        f << bemaNr << QStringLiteral("Leistung");
    }
    return zeile(f);
}

} // namespace

class TstKatalog : public QObject
{
    Q_OBJECT

private slots:
    void leereDatei();
    void nurKopfzeile();
    void kopfzeileWirdNieGelesen();
    void nurZeilenvorschubIstEineZeile();
    void zeilenOhneTabAendernNichts();
    void alleFelderAnIhremPlatz();
    void felderNurUmLeerzeichenGekuerzt();
    void befundMitZweiFeldern();
    void fortsetzungszeilen();
    void fortsetzungVorDemErstenBefund();
    void feld1NurLeerzeichenIstFortsetzung();
    void zaehlerBeginnenJeBefundNeu();
    void abzug_data();
    void abzug();
    void nurBelEintrag();
    void ueberschrift_data();
    void ueberschrift();
    void listenindexGleichBefundindex();
    void zeiger();
    void zugriffAusserhalbDerTabellen();
    void siebzigBefundePassen();
    void einundsiebzigsterBefundWirdVerworfen();
    void hundertersterEintragPasst();
    void hundertzweiterEintragWirdVerworfen();
    void neunteUeberschrift();
    void datei1252MitCrLf();
    void zufallsbytes();
    void riesigeZeilen();
};

void TstKatalog::leereDatei()
{
    const Katalog k = katalogAusZeilen(textzeilen(QByteArray()));
    QVERIFY(k.liste().isEmpty());
    QCOMPARE(k.anzahlBefunde(), 0);
    QVERIFY(k.gruppen().isEmpty());
    QVERIFY(k.ignoriert().isEmpty());
    QVERIFY(k.befund(0).beftext.isEmpty());
}

void TstKatalog::nurKopfzeile()
{
    const Katalog k = katalogAusZeilen({kopf});
    QCOMPARE(k.liste(), QStringList {QString::fromUtf16(u"-Bitte wählen/löschen")});
    QCOMPARE(k.anzahlBefunde(), 0);
    // An empty first line is a header too.
    QCOMPARE(katalogAusZeilen({QString()}).liste(), QStringList {leer});
}

void TstKatalog::kopfzeileWirdNieGelesen()
{
    const Katalog k = katalogAusZeilen(
        {befundZeile("9", "Kopf wie ein Befund", "01"), befundZeile("1.1", "Krone")});
    QCOMPARE(k.liste(), (QStringList {leer, "Krone"}));
    QCOMPARE(k.befund(1).befnr, QStringLiteral("1.1"));
    QVERIFY(k.bemaEintraege(0).isEmpty());
    QVERIFY(k.bemaEintraege(1).isEmpty());
}

void TstKatalog::nurZeilenvorschubIstEineZeile()
{
    const QByteArray datei("Nr\tBefund\n1.1\tKrone\n2.1\tBruecke\n");
    const Katalog k = katalogAusZeilen(textzeilen(datei));
    QCOMPARE(k.liste(), QStringList {leer});
}

void TstKatalog::zeilenOhneTabAendernNichts()
{
    const Katalog k =
        katalogAusZeilen({kopf, befundZeile("1.1", "Krone"), QString(), "nur Text ohne Tabulator",
                          "   ", bemaZeile("20a"), befundZeile("1.2", "Teilkrone")});
    QCOMPARE(k.liste(), (QStringList {leer, "Krone", "Teilkrone"}));
    QCOMPARE(k.bemaEintraege(1).size(), 1);
    QCOMPARE(k.bemaEintraege(1).at(0).nr, QStringLiteral("20a"));
    QVERIFY(k.ignoriert().isEmpty());
}

void TstKatalog::alleFelderAnIhremPlatz()
{
    QStringList f;
    for (int i = 1; i <= 22; ++i)
        f << QStringLiteral("f%1").arg(i);
    const Katalog k = katalogAusZeilen({kopf, zeile(f)});
    const Befund &b = k.befund(1);
    QCOMPARE(b.befnr, QStringLiteral("f1"));
    QCOMPARE(b.beftext, QStringLiteral("f2"));
    QCOMPARE(b.befinfo1, QStringLiteral("f3"));
    QCOMPARE(b.befinfo2, QStringLiteral("f4"));
    for (std::size_t s = 0; s < 4; ++s) {
        QCOMPARE(b.befzuschuss[s], QStringLiteral("f%1").arg(5 + s));
        QCOMPARE(b.befgrenze[s], QStringLiteral("f%1").arg(9 + s));
    }
    QCOMPARE(b.befnichtz, QStringLiteral("f13"));
    QCOMPARE(b.befnichtk, QStringLiteral("f14"));
    QCOMPARE(b.weitere[0], QStringLiteral("f15"));
    QCOMPARE(b.weitere[1], QStringLiteral("f16"));
    QCOMPARE(k.bema(1, 0).vorzeichen, QStringLiteral("1"));
    QCOMPARE(k.bema(1, 0).nr, QStringLiteral("f17"));
    QCOMPARE(k.bema(1, 0).text, QStringLiteral("f18"));
    QCOMPARE(k.bel(1, 0).vorzeichen, QStringLiteral("1"));
    QCOMPARE(k.bel(1, 0).nr, QStringLiteral("f19"));
    QCOMPARE(k.bel(1, 0).text, QStringLiteral("f20"));
    // Fields 21 and 22 go nowhere.
    QVERIFY(k.bema(1, 1).nr.isEmpty());
    QVERIFY(k.bel(1, 1).nr.isEmpty());
}

void TstKatalog::felderNurUmLeerzeichenGekuerzt()
{
    QStringList f {"  1.1 ",  "  Krone mit  Lücke  ", QString::fromUtf16(u"\u00A0info "), QString(),
                   " 210,69", QStringLiteral("\x01x")};
    const Katalog k = katalogAusZeilen({kopf, zeile(f)});
    const Befund &b = k.befund(1);
    QCOMPARE(b.befnr, QStringLiteral("1.1"));
    QCOMPARE(b.beftext, QString::fromUtf16(u"Krone mit  Lücke"));
    QCOMPARE(b.befinfo1, QString::fromUtf16(u"\u00A0info")); // only code 32 is a blank
    QCOMPARE(b.befzuschuss[0], QStringLiteral("210,69")); // stays text as written
    QCOMPARE(b.befzuschuss[1], QStringLiteral("\x01x"));
    QCOMPARE(k.liste().at(1), QString::fromUtf16(u"Krone mit  Lücke"));
}

void TstKatalog::befundMitZweiFeldern()
{
    const Katalog k = katalogAusZeilen({kopf, "4.2\tZahnloser Oberkiefer"});
    const Befund &b = k.befund(1);
    QCOMPARE(b.befnr, QStringLiteral("4.2"));
    QCOMPARE(b.beftext, QStringLiteral("Zahnloser Oberkiefer"));
    QVERIFY(b.befinfo1.isEmpty() && b.befinfo2.isEmpty());
    for (std::size_t s = 0; s < 4; ++s) {
        QVERIFY(b.befzuschuss[s].isEmpty());
        QVERIFY(b.befgrenze[s].isEmpty());
    }
    QVERIFY(b.befnichtz.isEmpty() && b.befnichtk.isEmpty());
    QVERIFY(k.bemaEintraege(1).isEmpty());
    QVERIFY(k.belEintraege(1).isEmpty());
}

void TstKatalog::fortsetzungszeilen()
{
    // Fields 2 to 16 of a continuation line are ignored; it adds one BEMA and one BEL entry.
    QStringList fort {"", "anderer Text", "x", "y", "999"};
    while (fort.size() < 16)
        fort << "7";
    fort << "19"
         << "Provisorium"
         << "001 0"
         << "Modell";
    const Katalog k = katalogAusZeilen(
        {kopf, befundZeile("1.1", "Krone", "20a"), zeile(fort), bemaZeile("BEMA 2004", "")});
    QCOMPARE(k.befund(1).beftext, QStringLiteral("Krone"));
    QVERIFY(k.befund(1).befinfo1.isEmpty());
    QVERIFY(k.befund(1).befzuschuss[0].isEmpty());
    const auto bema = k.bemaEintraege(1);
    QCOMPARE(bema.size(), 3);
    QCOMPARE(bema.at(0).nr, QStringLiteral("20a"));
    QCOMPARE(bema.at(1).nr, QStringLiteral("19"));
    QCOMPARE(bema.at(1).text, QStringLiteral("Provisorium"));
    QCOMPARE(bema.at(2).nr, QStringLiteral("BEMA 2004"));
    const auto bel = k.belEintraege(1);
    QCOMPARE(bel.size(), 1);
    QCOMPARE(bel.at(0).nr, QStringLiteral("001 0"));
    QCOMPARE(k.bel(1, 0).nr, QStringLiteral("001 0")); // the BEL counter starts at 0
    QCOMPARE(k.liste().size(), 2);
}

void TstKatalog::fortsetzungVorDemErstenBefund()
{
    const Katalog k = katalogAusZeilen(
        {kopf, bemaZeile("01", "Untersuchung"), belZeile("933 0"), befundZeile("1.1", "Krone")});
    QCOMPARE(k.liste(), (QStringList {leer, "Krone"}));
    QCOMPARE(k.bemaEintraege(0).size(), 1);
    QCOMPARE(k.bema(0, 0).nr, QStringLiteral("01"));
    QCOMPARE(k.belEintraege(0).size(), 1);
    QVERIFY(k.befund(0).beftext.isEmpty());
    QVERIFY(k.befund(0).befnr.isEmpty());
    QVERIFY(k.bemaEintraege(1).isEmpty());
}

void TstKatalog::feld1NurLeerzeichenIstFortsetzung()
{
    QStringList f {"   ", "kein Befund"};
    while (f.size() < 16)
        f << QString();
    f << "19"
      << "Provisorium";
    const Katalog k = katalogAusZeilen({kopf, befundZeile("1.1", "Krone"), zeile(f)});
    QCOMPARE(k.anzahlBefunde(), 1);
    QCOMPARE(k.bemaEintraege(1).size(), 1);
}

void TstKatalog::zaehlerBeginnenJeBefundNeu()
{
    const Katalog k = katalogAusZeilen({kopf, befundZeile("1.1", "Krone", "20a"), bemaZeile("19"),
                                        belZeile("102 1"), befundZeile("2.1", "Lücke", "91a"),
                                        belZeile("110 0")});
    QCOMPARE(k.bema(2, 0).nr, QStringLiteral("91a"));
    QCOMPARE(k.bel(2, 0).nr, QStringLiteral("110 0"));
    QVERIFY(k.bema(2, 1).nr.isEmpty());
    QCOMPARE(k.bemaEintraege(1).size(), 2);
    QCOMPARE(k.belEintraege(1).size(), 1);
}

void TstKatalog::abzug_data()
{
    QTest::addColumn<QString>("feld17");
    QTest::addColumn<QString>("vorzeichen");
    QTest::addColumn<QString>("nr");
    QTest::addColumn<bool>("vorhanden");

    QTest::newRow("plain number") << "20a"
                                  << "1"
                                  << "20a" << true;
    QTest::newRow("leading minus is a deduction") << "-24c"
                                                  << "-1"
                                                  << "24c" << true;
    QTest::newRow("rest after minus is not trimmed again") << "- 24c"
                                                           << "-1"
                                                           << " 24c" << true;
    QTest::newRow("blanks around the field are trimmed first") << "  -19  "
                                                               << "-1"
                                                               << "19" << true;
    QTest::newRow("minus alone takes an index and is skipped") << "-"
                                                               << "-1"
                                                               << "" << false;
    QTest::newRow("minus and blank only is skipped") << "- "
                                                     << "-1"
                                                     << "" << false;
    QTest::newRow("double minus keeps one") << "--5"
                                            << "-1"
                                            << "-5" << true;
    QTest::newRow("minus inside the number is no deduction") << "98h/1-2"
                                                             << "1"
                                                             << "98h/1-2" << true;
}

void TstKatalog::abzug()
{
    QFETCH(QString, feld17);
    QFETCH(QString, vorzeichen);
    QFETCH(QString, nr);
    QFETCH(bool, vorhanden);
    const Katalog k = katalogAusZeilen(
        {kopf, befundZeile("1.1", "Krone"), bemaZeile(feld17, "T"), bemaZeile("19", "P")});
    QCOMPARE(k.bema(1, 0).vorzeichen, vorzeichen);
    QCOMPARE(k.bema(1, 0).nr, nr);
    QCOMPARE(k.bema(1, 0).text, QStringLiteral("T"));
    // The next line always gets index 1, whether the first entry counts for the readers or not.
    QCOMPARE(k.bema(1, 1).nr, QStringLiteral("19"));
    const auto eintraege = k.bemaEintraege(1);
    QCOMPARE(eintraege.size(), vorhanden ? 2 : 1);
    QCOMPARE(eintraege.last().nr, QStringLiteral("19"));
    if (vorhanden) {
        QCOMPARE(eintraege.first().vorzeichen, vorzeichen);
        QCOMPARE(zahlwert(eintraege.first().vorzeichen) < 0, vorzeichen == "-1");
    }
    // The same rule holds for BEL.
    const Katalog b = katalogAusZeilen({kopf, befundZeile("1.1", "Krone"), belZeile(feld17)});
    QCOMPARE(b.bel(1, 0).vorzeichen, vorzeichen);
    QCOMPARE(b.bel(1, 0).nr, nr);
    QCOMPARE(b.belEintraege(1).size(), vorhanden ? 1 : 0);
}

void TstKatalog::nurBelEintrag()
{
    QStringList f {"1.1", "Krone"};
    while (f.size() < 18)
        f << QString();
    f << "102 1"
      << "Vollkrone Metall";
    const Katalog k = katalogAusZeilen({kopf, zeile(f), belZeile("103 1")});
    QVERIFY(k.bemaEintraege(1).isEmpty());
    QVERIFY(k.bema(1, 0).vorzeichen.isEmpty()); // no BEMA entry was written at all
    QCOMPARE(k.bel(1, 0).nr, QStringLiteral("102 1"));
    QCOMPARE(k.bel(1, 0).text, QStringLiteral("Vollkrone Metall"));
    QCOMPARE(k.bel(1, 1).nr, QStringLiteral("103 1"));
    // A BEL text without a BEL number adds nothing.
    QStringList g(19);
    g << "nur Text";
    const Katalog m = katalogAusZeilen({kopf, befundZeile("1.1", "Krone"), zeile(g)});
    QVERIFY(m.bel(1, 0).text.isEmpty());
}

void TstKatalog::ueberschrift_data()
{
    QTest::addColumn<QString>("feld2");
    QTest::addColumn<bool>("istUeberschrift");

    QTest::newRow("digit blank minus") << "1 - Erhaltungswürdiger Zahn" << true;
    QTest::newRow("digit blank minus, no blank after") << "1 -Kronen" << true;
    QTest::newRow("exactly three characters") << "ab-" << true;
    QTest::newRow("minus second character") << "1-Kronen" << false;
    QTest::newRow("minus fourth character") << "12 -Kronen" << false;
    QTest::newRow("two characters only") << "1-" << false;
    QTest::newRow("minus first character") << "-Bitte" << false;
    QTest::newRow("leading blanks are trimmed before") << "   1 -Kronen" << true;
    QTest::newRow("en dash is no minus") << QString::fromUtf16(u"1 – Kronen") << false;
    QTest::newRow("empty text") << "" << false;
}

void TstKatalog::ueberschrift()
{
    QFETCH(QString, feld2);
    QFETCH(bool, istUeberschrift);
    const Katalog k =
        katalogAusZeilen({kopf, befundZeile("1", feld2), befundZeile("1.1", "Krone")});
    QCOMPARE(k.istUeberschrift(1), istUeberschrift);
    QCOMPARE(k.istUeberschrift(2), false);
    QCOMPARE(k.gruppen().size(), istUeberschrift ? 1 : 0);
    if (istUeberschrift)
        QCOMPARE(k.gruppen().at(0), k.befund(1).beftext);
    // A heading still is a finding with its own list entry.
    QCOMPARE(k.anzahlBefunde(), 2);
    QCOMPARE(k.liste().at(2), QStringLiteral("Krone"));
}

void TstKatalog::listenindexGleichBefundindex()
{
    const Katalog k = katalogAusZeilen(
        {kopf, befundZeile("1", "1 -Kronen"), befundZeile("1.1", "Krone"), "ohne Tab",
         befundZeile("2", "2 -Brücken"), bemaZeile("91a"), befundZeile("2.1", "Brücke")});
    QCOMPARE(k.liste().size(), 5);
    QCOMPARE(k.anzahlBefunde(), 4);
    QCOMPARE(k.liste().at(0), leer);
    for (int i = 1; i < k.liste().size(); ++i)
        QCOMPARE(k.liste().at(i), k.befund(i).beftext);
    QCOMPARE(k.gruppen(), (QStringList {"1 -Kronen", QString::fromUtf16(u"2 -Brücken")}));
    QCOMPARE(k.bema(3, 0).nr, QStringLiteral("91a")); // belongs to the heading above
}

void TstKatalog::zeiger()
{
    const Katalog k = katalogAusZeilen({kopf, befundZeile("1.1", "Krone", "20a"),
                                        befundZeile("2.1", "Brücke", "91a"),
                                        befundZeile("1.1b", "Krone", "20b")});
    QCOMPARE(k.bemazeiger("Krone"), 3); // the later of two equal texts
    QCOMPARE(k.belzeiger("Krone"), 3);
    QCOMPARE(k.bemazeiger(QString::fromUtf16(u"Brücke")), 2);
    QCOMPARE(k.bemazeiger("krone"), -1);
    QCOMPARE(k.bemazeiger("Krone "), -1);
    QCOMPARE(k.bemazeiger(" Krone"), -1);
    QCOMPARE(k.bemazeiger("Kron"), -1);
    QCOMPARE(k.belzeiger("KRONE"), -1);
    // Every row of the table is scanned, also the unused ones after the last finding.
    QCOMPARE(k.bemazeiger(QString()), Katalog::hoechsterBefund);
    QCOMPARE(k.bemaEintraege(k.bemazeiger("Krone")).at(0).nr, QStringLiteral("20b"));
}

void TstKatalog::zugriffAusserhalbDerTabellen()
{
    const Katalog k = katalogAusZeilen({kopf, befundZeile("1.1", "Krone", "20a")});
    QVERIFY(k.befund(-1).beftext.isEmpty());
    QVERIFY(k.befund(71).beftext.isEmpty());
    QVERIFY(k.befund(1 << 30).befnr.isEmpty());
    QVERIFY(!k.istUeberschrift(-5));
    QVERIFY(k.bema(1, -1).nr.isEmpty());
    QVERIFY(k.bema(1, 101).nr.isEmpty());
    QVERIFY(k.bel(71, 0).nr.isEmpty());
    QVERIFY(k.bel(-1, 0).nr.isEmpty());
    QVERIFY(k.bemaEintraege(-1).isEmpty());
    QVERIFY(k.belEintraege(71).isEmpty());
    QCOMPARE(k.bema(1, 0).nr, QStringLiteral("20a"));
}

void TstKatalog::siebzigBefundePassen()
{
    QStringList z {kopf};
    for (int i = 1; i <= 70; ++i)
        z << befundZeile(QString::number(i), QStringLiteral("Befund %1").arg(i));
    z << bemaZeile("20a");
    const Katalog k = katalogAusZeilen(z);
    QCOMPARE(k.anzahlBefunde(), 70);
    QCOMPARE(k.liste().size(), 71);
    QCOMPARE(k.befund(70).beftext, QStringLiteral("Befund 70"));
    QCOMPARE(k.bemaEintraege(70).size(), 1);
    QVERIFY(k.ignoriert().isEmpty());
}

void TstKatalog::einundsiebzigsterBefundWirdVerworfen()
{
    QStringList z {kopf};
    for (int i = 1; i <= 70; ++i)
        z << befundZeile(QString::number(i), QStringLiteral("Befund %1").arg(i), "01");
    z << befundZeile("71", QString::fromUtf16(u"Überzählig"), "20a"); // line 72
    z << bemaZeile("19") << belZeile("001 0") << "ohne Tab";
    z << befundZeile("72", "9 -Gruppe"); // line 76
    z << bemaZeile("91a");
    const Katalog k = katalogAusZeilen(z);
    QCOMPARE(k.anzahlBefunde(), 70);
    QCOMPARE(k.liste().size(), 71);
    QCOMPARE(k.liste().last(), QStringLiteral("Befund 70"));
    // Nothing of the surplus findings lands in finding 70.
    QCOMPARE(k.bemaEintraege(70).size(), 1);
    QCOMPARE(k.bema(70, 0).nr, QStringLiteral("01"));
    QVERIFY(k.belEintraege(70).isEmpty());
    QCOMPARE(k.bemazeiger(QString::fromUtf16(u"Überzählig")), -1);
    QVERIFY(k.gruppen().isEmpty());
    QCOMPARE(
        k.ignoriert(),
        (QStringList {QString::fromUtf16(u"Zeile 72: mehr als 70 Befunde, der Befund „Überzählig“ "
                                         u"wurde samt seinen Leistungen nicht übernommen."),
                      QString::fromUtf16(u"Zeile 76: mehr als 70 Befunde, der Befund „9 -Gruppe“ "
                                         u"wurde samt seinen Leistungen nicht übernommen.")}));
}

void TstKatalog::hundertersterEintragPasst()
{
    QStringList z {kopf, befundZeile("1.1", "Krone", "-")}; // "-" alone takes index 0
    for (int e = 1; e <= 100; ++e) {
        QStringList f(16);
        f << QString::number(e) << "B" << QStringLiteral("L%1").arg(e) << "T";
        z << zeile(f);
    }
    const Katalog k = katalogAusZeilen(z);
    QCOMPARE(k.bema(1, 100).nr, QStringLiteral("100"));
    QCOMPARE(k.bemaEintraege(1).size(), 100); // the "-" entry is skipped
    QCOMPARE(k.belEintraege(1).size(), 100);
    QCOMPARE(k.bel(1, 99).nr, QStringLiteral("L100"));
    QVERIFY(k.ignoriert().isEmpty());
}

void TstKatalog::hundertzweiterEintragWirdVerworfen()
{
    QStringList z {kopf, befundZeile("1.1", "Krone")};
    for (int e = 1; e <= 101; ++e)
        z << bemaZeile(QString::number(e));
    z << bemaZeile("-999", "zu viel"); // line 104: the 102nd BEMA entry
    z << belZeile("001 0"); // BEL is counted on its own and still fits
    z << befundZeile("2.1", "Brücke", "91a");
    const Katalog k = katalogAusZeilen(z);
    QCOMPARE(k.bemaEintraege(1).size(), 101);
    QCOMPARE(k.bema(1, 100).nr, QStringLiteral("101"));
    QCOMPARE(k.belEintraege(1).size(), 1);
    QCOMPARE(k.bema(2, 0).nr, QStringLiteral("91a"));
    QCOMPARE(k.ignoriert(),
             QStringList {QString::fromUtf16(u"Zeile 104: mehr als 101 BEMA-Einträge beim Befund "
                                             u"„Krone“, der Eintrag „-999“ wurde nicht "
                                             u"übernommen.")});

    QStringList b {kopf, befundZeile("1.1", "Krone")};
    for (int e = 1; e <= 102; ++e)
        b << belZeile(QString::number(e));
    const Katalog m = katalogAusZeilen(b);
    QCOMPARE(m.belEintraege(1).size(), 101);
    QCOMPARE(m.ignoriert().size(), 1);
    QVERIFY(m.ignoriert().at(0).startsWith(
        QString::fromUtf16(u"Zeile 104: mehr als 101 BEL-Einträge beim Befund „Krone“")));

    // Before the first finding the entries go to row 0, with the same limit.
    QStringList v {kopf};
    for (int e = 1; e <= 102; ++e)
        v << bemaZeile(QString::number(e));
    const Katalog n = katalogAusZeilen(v);
    QCOMPARE(n.bemaEintraege(0).size(), 101);
    QCOMPARE(n.ignoriert(),
             QStringList {QString::fromUtf16(u"Zeile 103: mehr als 101 BEMA-Einträge vor dem "
                                             u"ersten Befund, der Eintrag „102“ wurde nicht "
                                             u"übernommen.")});
}

void TstKatalog::neunteUeberschrift()
{
    QStringList z {kopf};
    for (int g = 1; g <= 9; ++g) {
        z << befundZeile(QString::number(g), QStringLiteral("%1 - Gruppe %1").arg(g));
        z << befundZeile(QStringLiteral("%1.1").arg(g), QStringLiteral("Befund %1.1").arg(g));
    }
    const Katalog k = katalogAusZeilen(z);
    QCOMPARE(k.gruppen().size(), 8);
    QCOMPARE(k.gruppen().first(), QStringLiteral("1 - Gruppe 1"));
    QCOMPARE(k.gruppen().last(), QStringLiteral("8 - Gruppe 8"));
    // The 9th heading keeps its finding index and list entry, only its label is missing.
    QCOMPARE(k.anzahlBefunde(), 18);
    QCOMPARE(k.liste().at(17), QStringLiteral("9 - Gruppe 9"));
    QVERIFY(k.istUeberschrift(17));
    QCOMPARE(k.liste().at(18), QStringLiteral("Befund 9.1"));
    QCOMPARE(k.ignoriert(),
             QStringList {QString::fromUtf16(u"Zeile 18: mehr als 8 Gruppenüberschriften, die "
                                             u"Überschrift „9 - Gruppe 9“ steht nur in der "
                                             u"Befundliste.")});
    z.removeAt(17); // without the 9th heading, 8 fit without a word
    QVERIFY(katalogAusZeilen(z).ignoriert().isEmpty());
}

void TstKatalog::datei1252MitCrLf()
{
    QFile datei(QStringLiteral(KALVOMAT_TESTDATA "/bef_crlf_1252.txt"));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    const QByteArray bytes = datei.readAll();
    QVERIFY(bytes.contains("\r\n"));
    QVERIFY(bytes.contains('\xFC')); // ü as one byte
    const Katalog k = katalogAusZeilen(textzeilen(bytes));
    QVERIFY(k.ignoriert().isEmpty());
    QCOMPARE(k.liste(),
             (QStringList {leer, QString::fromUtf16(u"1 - Erhaltungswürdiger Zahn"),
                           QString::fromUtf16(u"Krone – Zahn"), QString::fromUtf16(u"Lücke „1“")}));
    QCOMPARE(k.gruppen(), QStringList {QString::fromUtf16(u"1 - Erhaltungswürdiger Zahn")});
    const Befund &krone = k.befund(2);
    QCOMPARE(krone.befnr, QStringLiteral("1.1"));
    QCOMPARE(krone.befinfo1, QString::fromUtf16(u"Zerstörung\nZeile mit LF"));
    QCOMPARE(zahlwert(krone.befzuschuss[0]), 210.69);
    QCOMPARE(zahlwert(krone.befzuschuss[3]), 351.15);
    QCOMPARE(zahlwert(krone.befgrenze[0]), 32.0);
    QCOMPARE(zahlwert(krone.befgrenze[1]), -1.0);
    QCOMPARE(krone.befnichtz, QString::fromUtf16(u"13a–d"));
    const auto bema = k.bemaEintraege(2);
    QCOMPARE(bema.size(), 3);
    QCOMPARE(bema.at(1).vorzeichen, QStringLiteral("-1"));
    QCOMPARE(bema.at(1).nr, QStringLiteral("24c"));
    QCOMPARE(bema.at(2).nr, QStringLiteral("BEMA 2004"));
    QCOMPARE(k.belEintraege(2).size(), 1);
    QCOMPARE(k.belEintraege(2).at(0).text, QString::fromUtf16(u"Vollkrone/Metall €"));
    QVERIFY(k.befund(3).befzuschuss[0].isEmpty());
}

void TstKatalog::zufallsbytes()
{
    // Whatever a damaged or foreign file holds, the reading ends with a catalogue that keeps its
    // invariants. The bytes favour the characters that steer the reading.
    QRandomGenerator zufall(20261206);
    static constexpr char steuernd[] = {'\t', '\t', '\t', '\r', '\n', '-',    ' ',    '0',
                                        '1',  'E',  ',',  '.',  '\0', '\xE4', '\x80', '\xFF'};
    for (int lauf = 0; lauf < 400; ++lauf) {
        const int laenge = zufall.bounded(6000);
        QByteArray bytes(laenge, '\0');
        for (char &b : bytes) {
            b = zufall.bounded(3) == 0 ? static_cast<char>(zufall.bounded(256))
                                       : steuernd[zufall.bounded(int(sizeof steuernd))];
        }
        const Katalog k = katalogAusZeilen(textzeilen(bytes));
        QVERIFY(k.liste().size() <= Katalog::hoechsterBefund + 1);
        QVERIFY(k.gruppen().size() <= Katalog::gruppenAnzahl);
        QCOMPARE(k.anzahlBefunde(), qMax(0, int(k.liste().size()) - 1));
        for (int i = 1; i < k.liste().size(); ++i)
            QCOMPARE(k.liste().at(i), k.befund(i).beftext);
        for (int i = 0; i <= Katalog::hoechsterBefund; ++i) {
            const auto bema = k.bemaEintraege(i);
            QVERIFY(bema.size() <= Katalog::hoechsterEintrag + 1);
            for (const Leistungseintrag &e : bema)
                QVERIFY(e.vorzeichen == "1" || e.vorzeichen == "-1");
            for (std::size_t s = 0; s < 4; ++s) {
                QVERIFY(!std::isnan(zahlwert(k.befund(i).befzuschuss[s])));
                QVERIFY(!std::isnan(zahlwert(k.befund(i).befgrenze[s])));
            }
        }
    }
}

void TstKatalog::riesigeZeilen()
{
    // A million tabs in one line, a field of a million digits, a thousand finding lines.
    QStringList z {kopf};
    z << QStringLiteral("1\tLang") + QString(1'000'000, u'\t') + QStringLiteral("20a");
    z << QStringLiteral("2\tZahl\t\t\t") + QString(1'000'000, u'9') + QStringLiteral("\t1e999");
    for (int i = 0; i < 1000; ++i)
        z << befundZeile(QString::number(i), QString(200, u'x'), "01");
    const Katalog k = katalogAusZeilen(z);
    QCOMPARE(k.anzahlBefunde(), 70);
    QVERIFY(k.bemaEintraege(1).isEmpty()); // "20a" stood far beyond field 20
    QVERIFY(std::isinf(zahlwert(k.befund(2).befzuschuss[0])));
    QVERIFY(std::isinf(zahlwert(k.befund(2).befzuschuss[1])));
    QCOMPARE(k.ignoriert().size(), 1000 - 68);
    QVERIFY(k.ignoriert().at(0).size() < 200); // long texts are shortened in the messages
}

QTEST_APPLESS_MAIN(TstKatalog)
#include "tst_katalog.moc"
