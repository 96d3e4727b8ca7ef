// No printed text runs into the next item of its line: a finding text, a service text or a
// patient's name too long for its column is shortened and ends with "…".

#include "druck/aufzeichnung.h"
#include "druck/druck.h"
#include "druck/drucklauf.h"
#include "katalog/katalog.h"
#include "katalog/textzeilen.h"
#include "leistungen/leistarray.h"
#include "plan/berechnung.h"

#include <QFile>
#include <QTest>

#include <algorithm>

class TstDruckZeilen : public QObject
{
    Q_OBJECT

private slots:
    void kuerzen_data();
    void kuerzen();
    void beispielkatalogOhneUeberdruck_data();
    void beispielkatalogOhneUeberdruck();
};

void TstDruckZeilen::kuerzen_data()
{
    // Every character is 100 wide on the recording surface; "…" is one character.
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("raum");
    QTest::addColumn<QString>("gedruckt");
    QTest::newRow("ends before the column") << "Krone" << 501.0 << "Krone";
    QTest::newRow("would reach it") << "Krone" << 500.0 << "Kro…";
    QTest::newRow("no blank before …") << "4.2  Zahnloser Oberkiefer" << 600.0 << "4.2…";
    QTest::newRow("leading blanks stay") << "  Krone" << 500.0 << "  K…";
    QTest::newRow("only … fits") << "Krone" << 101.0 << "…";
    QTest::newRow("nothing fits") << "Krone" << 100.0 << "";
}

void TstDruckZeilen::kuerzen()
{
    QFETCH(QString, text);
    QFETCH(double, raum);
    QFETCH(QString, gedruckt);
    QCOMPARE(gekuerzt(Aufzeichnung(), text, raum), gedruckt);
}

void TstDruckZeilen::beispielkatalogOhneUeberdruck_data()
{
    QTest::addColumn<int>("incl");
    for (int incl = nurFestzuschuesse; incl <= bemaBelGesamt; ++incl)
        QTest::addRow("kind %d", incl) << incl;
}

void TstDruckZeilen::beispielkatalogOhneUeberdruck()
{
    QFETCH(int, incl);
    QFile datei(QStringLiteral(KALVOMAT_BEISPIEL "/bef.txt"));
    QVERIFY(datei.open(QIODevice::ReadOnly));
    const Katalog k = katalogAusZeilen(textzeilen(datei.readAll()));
    // The 20 findings with the longest texts, in the plan's rows.
    QList<int> befunde;
    for (int i = 1; i <= k.anzahlBefunde(); ++i)
        if (!k.istUeberschrift(i))
            befunde.append(i);
    std::stable_sort(befunde.begin(), befunde.end(), [&k](int a, int b) {
        return k.befund(a).beftext.size() > k.befund(b).beftext.size();
    });
    DruckDaten d;
    d.patient = QStringLiteral("Maximiliane Musterfrau-Beispielhausen von Zahnstein");
    for (int z = 0; z < PlanState::zeilen && z < befunde.size(); ++z) {
        befundUebernehmen(d.plan, z, k, befunde[z]);
        d.befundIndex[static_cast<std::size_t>(z)] = befunde[z];
    }
    Aufzeichnung f;
    Leistarray bema {Leistarray::bemaGroesse}, bel {Leistarray::belGroesse};
    QVERIFY(druck(f, d, k, incl, bema, bel));

    int gekuerzte = 0;
    for (int s = 1; s <= f.seiten(); ++s)
        for (int z = 0; z < f.zeilenAnzahl(s); ++z) {
            QList<Aufzeichnung::Eintrag> zeile = f.zeile(s, z);
            zeile.removeIf([](const Aufzeichnung::Eintrag &e) { return e.text.isEmpty(); });
            std::sort(zeile.begin(), zeile.end(),
                      [](const auto &a, const auto &b) { return a.x < b.x; });
            for (qsizetype i = 0; i < zeile.size(); ++i) {
                const double ende = zeile[i].x + f.textBreite(zeile[i].text);
                const double grenze = i + 1 < zeile.size() ? zeile[i + 1].x : f.breite();
                QVERIFY2(ende <= grenze,
                         qPrintable(QStringLiteral("page %1 line %2: %3 ends at %4, next at %5")
                                        .arg(s)
                                        .arg(z)
                                        .arg(zeile[i].text)
                                        .arg(ende)
                                        .arg(grenze)));
                gekuerzte += zeile[i].text.endsWith(u'…') ? 1 : 0;
            }
        }
    // The name on every page, and each finding line, are shortened at least.
    QVERIFY2(gekuerzte >= f.seiten() + 2, qPrintable(QString::number(gekuerzte)));
}

QTEST_MAIN(TstDruckZeilen)
#include "tst_druck_zeilen.moc"
