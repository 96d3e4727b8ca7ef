#include "katalog/katalog.h"
#include "katalog/textzeilen.h"
#include "katalog/zahlwert.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <cmath>

namespace {

QByteArray lies(const char *name)
{
    QFile datei(QStringLiteral(KALVOMAT_BEISPIEL "/") + QLatin1String(name));
    if (!datei.open(QIODevice::ReadOnly))
        return {};
    return datei.readAll();
}

// Every line end is CR LF: no CR without LF, no LF without CR, and the last line is ended too.
bool nurCrLf(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))
            return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            return false;
    }
    return bytes.endsWith("\r\n");
}

bool hatUmlautbyte(const QByteArray &bytes)
{
    for (const char b : {'\xE4', '\xF6', '\xFC', '\xDF', '\xC4', '\xD6', '\xDC'}) {
        if (bytes.contains(b))
            return true;
    }
    return false;
}

bool istGanzeZahl(const QString &text)
{
    const double w = zahlwert(text);
    return !text.isEmpty() && std::isfinite(w) && w == std::floor(w);
}

} // namespace

class TstBeispiel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dateiformat();
    void ohneUeberzaehligeZeilen();
    void achtGruppen();
    void listentexteEindeutig();
    void betraege2023_data();
    void betraege2023();
    void betraegeVollstaendigOderLeer();
    void grenzenGesetzt();
    void zaehlweise_data();
    void zaehlweise();
    void leistungen();
    void passtInDieLeistungstabellen();
    void texte();

private:
    QByteArray bytes;
    Katalog k;
};

void TstBeispiel::initTestCase()
{
    bytes = lies("bef.txt");
    QVERIFY2(!bytes.isEmpty(), "beispiel/bef.txt is missing");
    k = katalogAusZeilen(textzeilen(bytes));
}

void TstBeispiel::dateiformat()
{
    QVERIFY(nurCrLf(bytes));
    QVERIFY(hatUmlautbyte(bytes));
    QVERIFY(!bytes.contains("\xC3\xBC")); // ü must not be UTF-8
    QVERIFY(!bytes.contains("\xC3\xA4"));
    QVERIFY(!bytes.contains('\0'));
}

void TstBeispiel::ohneUeberzaehligeZeilen()
{
    QVERIFY2(k.ignoriert().isEmpty(), qPrintable(k.ignoriert().join(u'\n')));
    QVERIFY(k.anzahlBefunde() > 8);
}

void TstBeispiel::achtGruppen()
{
    QCOMPARE(k.gruppen().size(), 8);
    for (int g = 0; g < 8; ++g)
        QVERIFY(k.gruppen().at(g).startsWith(QStringLiteral("%1 - ").arg(g + 1)));
    QCOMPARE(k.gruppen().at(0), QString::fromUtf16(u"1 - Erhaltungswürdiger Zahn"));
}

void TstBeispiel::listentexteEindeutig()
{
    // The print run finds a finding's services by its list text: every text must lead back to
    // its own finding.
    for (int i = 1; i <= k.anzahlBefunde(); ++i) {
        QVERIFY2(k.bemazeiger(k.befund(i).beftext) == i, qPrintable(k.befund(i).beftext));
        QVERIFY(!k.befund(i).beftext.isEmpty());
        QVERIFY2(k.befund(i).beftext.size() <= 28, qPrintable(k.befund(i).beftext));
    }
}

void TstBeispiel::betraege2023_data()
{
    QTest::addColumn<QString>("befnr");
    QTest::addColumn<double>("ohne");
    QTest::addColumn<double>("bonus20");
    QTest::addColumn<double>("bonus30");
    QTest::addColumn<double>("haertefall");

    QTest::newRow("1.1 crown") << "1.1" << 210.69 << 245.81 << 263.36 << 351.15;
    QTest::newRow("1.2 partial crown") << "1.2" << 241.68 << 281.96 << 302.10 << 402.80;
    QTest::newRow("2.1 gap of one tooth") << "2.1" << 487.04 << 568.22 << 608.81 << 811.74;
    QTest::newRow("3.1 gapped dentition") << "3.1" << 496.80 << 579.60 << 621.00 << 828.00;
    QTest::newRow("4.2 edentulous upper jaw") << "4.2" << 500.82 << 584.29 << 626.03 << 834.70;
    QTest::newRow("4.4 edentulous lower jaw") << "4.4" << 537.05 << 626.56 << 671.31 << 895.08;
}

void TstBeispiel::betraege2023()
{
    QFETCH(QString, befnr);
    QFETCH(double, ohne);
    QFETCH(double, bonus20);
    QFETCH(double, bonus30);
    QFETCH(double, haertefall);
    int gefunden = -1;
    for (int i = 1; i <= k.anzahlBefunde(); ++i) {
        if (k.befund(i).befnr == befnr) {
            QCOMPARE(gefunden, -1); // the number is used once
            gefunden = i;
        }
    }
    QVERIFY(gefunden > 0);
    const Befund &b = k.befund(gefunden);
    QCOMPARE(zahlwert(b.befzuschuss[0]), ohne);
    QCOMPARE(zahlwert(b.befzuschuss[1]), bonus20);
    QCOMPARE(zahlwert(b.befzuschuss[2]), bonus30);
    QCOMPARE(zahlwert(b.befzuschuss[3]), haertefall);
}

void TstBeispiel::betraegeVollstaendigOderLeer()
{
    // Six findings carry the four amounts of 2023; every other finding has none and says so.
    int mitBetrag = 0;
    for (int i = 1; i <= k.anzahlBefunde(); ++i) {
        const Befund &b = k.befund(i);
        int gefuellt = 0;
        for (const QString &z : b.befzuschuss)
            gefuellt += z.isEmpty() ? 0 : 1;
        QVERIFY2(gefuellt == 0 || gefuellt == 4, qPrintable(b.befnr));
        if (k.istUeberschrift(i)) {
            QCOMPARE(gefuellt, 0);
            continue;
        }
        if (gefuellt == 4) {
            ++mitBetrag;
            for (std::size_t s = 1; s < 4; ++s)
                QVERIFY(zahlwert(b.befzuschuss[s - 1]) < zahlwert(b.befzuschuss[s]));
            QVERIFY(b.befinfo2.contains(QStringLiteral("2023")));
        } else {
            QVERIFY2(b.befinfo2.contains(QString::fromUtf16(
                         u"Betrag nicht im Beispielkatalog enthalten – bitte aktuelle "
                         u"amtliche Tabelle eintragen")),
                     qPrintable(b.befnr));
        }
    }
    QCOMPARE(mitBetrag, 6);
}

void TstBeispiel::grenzenGesetzt()
{
    // An empty limit reads as 0 and would cut every count to 1: each finding writes all four.
    for (int i = 1; i <= k.anzahlBefunde(); ++i) {
        const Befund &b = k.befund(i);
        bool aktiv = false;
        for (const QString &g : b.befgrenze) {
            QVERIFY2(istGanzeZahl(g), qPrintable(b.befnr + u' ' + g));
            aktiv = aktiv || zahlwert(g) >= 0;
        }
        QVERIFY2(aktiv || k.istUeberschrift(i), qPrintable(b.befnr));
    }
}

void TstBeispiel::zaehlweise_data()
{
    QTest::addColumn<QString>("befnr");
    QTest::addColumn<QStringList>("grenzen");

    QTest::newRow("per tooth") << "1.1" << QStringList {"32", "-1", "-1", "-1"};
    QTest::newRow("per veneer in the veneer area") << "1.3" << QStringList {"20", "-1", "-1", "-1"};
    QTest::newRow("per gap, at most 4 per jaw") << "2.1" << QStringList {"-1", "-1", "4", "-1"};
    QTest::newRow("per jaw") << "3.1" << QStringList {"-1", "-1", "1", "-1"};
    QTest::newRow("at most twice per jaw") << "3.2" << QStringList {"-1", "-1", "2", "-1"};
    QTest::newRow("upper jaw only, once") << "4.2" << QStringList {"-1", "1", "1", "-1"};
    QTest::newRow("once per whole finding") << "4.9" << QStringList {"-1", "1", "-1", "-1"};
    QTest::newRow("at most four per jaw") << "7.2" << QStringList {"-1", "-1", "4", "-1"};
}

void TstBeispiel::zaehlweise()
{
    QFETCH(QString, befnr);
    QFETCH(QStringList, grenzen);
    for (int i = 1; i <= k.anzahlBefunde(); ++i) {
        const Befund &b = k.befund(i);
        if (b.befnr != befnr)
            continue;
        QCOMPARE((QStringList {b.befgrenze[0], b.befgrenze[1], b.befgrenze[2], b.befgrenze[3]}),
                 grenzen);
        return;
    }
    QFAIL("finding not in the example catalogue");
}

void TstBeispiel::leistungen()
{
    bool abzug = false;
    bool hinweis = false;
    bool bel = false;
    for (int i = 0; i <= Katalog::hoechsterBefund; ++i) {
        for (const Leistungseintrag &e : k.bemaEintraege(i)) {
            QVERIFY(e.vorzeichen == "1" || e.vorzeichen == "-1");
            abzug = abzug || (e.vorzeichen == "-1" && !e.nr.isEmpty());
            hinweis = hinweis || e.nr == QStringLiteral("BEMA 2004");
        }
        bel = bel || !k.belEintraege(i).isEmpty();
        if (k.istUeberschrift(i)) {
            QVERIFY(k.bemaEintraege(i).isEmpty());
            QVERIFY(k.belEintraege(i).isEmpty());
        }
    }
    QVERIFY(abzug);
    QVERIFY(hinweis);
    QVERIFY(bel);
    QVERIFY(k.bemaEintraege(0).isEmpty()); // nothing before the first finding
}

void TstBeispiel::passtInDieLeistungstabellen()
{
    // A plan that uses every finding must still fit the print run's totals: 41 BEMA and 301 BEL
    // services, counted per number and sign.
    QSet<QString> bema;
    QSet<QString> bel;
    for (int i = 0; i <= Katalog::hoechsterBefund; ++i) {
        for (const Leistungseintrag &e : k.bemaEintraege(i))
            bema.insert(e.vorzeichen + u'|' + e.nr);
        for (const Leistungseintrag &e : k.belEintraege(i))
            bel.insert(e.vorzeichen + u'|' + e.nr);
    }
    QVERIFY2(bema.size() <= 41, qPrintable(QString::number(bema.size())));
    QVERIFY(bel.size() <= 301);
}

void TstBeispiel::texte()
{
    for (const char *name : {"hilfe.txt", "Anmerk.txt"}) {
        const QByteArray t = lies(name);
        QVERIFY2(!t.isEmpty(), name);
        QVERIFY2(nurCrLf(t), name);
        QVERIFY2(hatUmlautbyte(t), name);
        QVERIFY2(!t.contains("\xC3\xBC") && !t.contains("\xC3\xA4"), name);
    }
    const QString hilfe = textzeilen(lies("hilfe.txt")).join(u'\n');
    for (const char *knopf :
         {"nur Festzuschüsse", "BEMA je Befund", "BEL je Befund", "BEMA gesamt", "BEL gesamt",
          "BEMA+BEL je Befund", "BEMA+BEL gesamt", "ohne Bonus", "Bonus 20%", "Bonus 30%",
          "Härtefall", "-Bitte wählen/löschen", "OK UK und/oder Zahnnummern"})
        QVERIFY2(hilfe.contains(QString::fromUtf8(knopf)), knopf);

    const QByteArray html = lies("linkzuvelmar.html");
    QVERIFY(html.contains("<meta charset=\"utf-8\">"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString seite = utf8.decode(html);
    QVERIFY(!utf8.hasError());
    QVERIFY(seite.contains(QString::fromUtf16(u"Festzuschüsse")));
}

QTEST_APPLESS_MAIN(TstBeispiel)
#include "tst_beispiel.moc"
