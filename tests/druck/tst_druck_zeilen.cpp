// No printed text runs into the next item of its line: a name, finding or service text too long
// for its column is shortened and ends with "…". Every report kind of the example catalogue's
// longest findings, on the recording surface (every character 100 twips wide).

#include "druck/aufzeichnung.h"
#include "druck/druck.h"
#include "katalog/katalog.h"
#include "katalog/textzeilen.h"
#include "leistungen/leistarray.h"
#include "plan/berechnung.h"

#include <QFile>
#include <QTest>

class TstDruckZeilen : public QObject
{
    Q_OBJECT

private slots:
    void ohneUeberdruck_data()
    {
        QTest::addColumn<int>("incl");
        for (int incl = nurFestzuschuesse; incl <= bemaBelGesamt; ++incl)
            QTest::addRow("kind %d", incl) << incl;
    }
    void ohneUeberdruck()
    {
        QFETCH(int, incl);
        QFile datei(QStringLiteral(KALVOMAT_BEISPIEL "/bef.txt"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const Katalog k = katalogAusZeilen(textzeilen(datei.readAll()));
        QList<int> befunde; // the 20 findings with the longest texts
        for (int i = 1; i <= k.anzahlBefunde(); ++i)
            if (!k.istUeberschrift(i))
                befunde.append(i);
        std::stable_sort(befunde.begin(), befunde.end(), [&k](int a, int b) {
            return k.befund(a).beftext.size() > k.befund(b).beftext.size();
        });
        DruckDaten d;
        d.patient = QStringLiteral("Maximiliane Musterfrau-Beispielhausen");
        for (int z = 0; z < PlanState::zeilen; ++z)
            befundUebernehmen(d.plan, z, k, befunde.value(z));
        Aufzeichnung f;
        Leistarray bema {Leistarray::bemaGroesse}, bel {Leistarray::belGroesse};
        QVERIFY(druck(f, d, k, incl, bema, bel));
        QStringList gekuerzt;
        for (int s = 1; s <= f.seiten(); ++s)
            for (int z = 0; z < f.zeilenAnzahl(s); ++z) {
                auto zeile = f.zeile(s, z);
                zeile.removeIf([](const auto &e) { return e.text.isEmpty(); });
                std::sort(zeile.begin(), zeile.end(), [](auto &a, auto &b) { return a.x < b.x; });
                for (qsizetype i = 0; i < zeile.size(); ++i) {
                    const double grenze = i + 1 < zeile.size() ? zeile[i + 1].x : f.breite();
                    QVERIFY2(zeile[i].x + f.textBreite(zeile[i].text) <= grenze,
                             qPrintable(QStringLiteral("page %1 line %2: ").arg(s).arg(z)
                                        + zeile[i].text));
                    if (zeile[i].text.endsWith(u'…'))
                        gekuerzt << zeile[i].text;
                }
            }
        // Cut after the last letter that fits before the next column: 22 characters at 3 U.
        QVERIFY(gekuerzt.contains(QStringLiteral("1.3  Verblendung 15-…")));
        QVERIFY(
            gekuerzt.contains(QStringLiteral("Maximiliane Musterfrau-Beispiel…"))); // 1 U to 4 U
    }
};

QTEST_MAIN(TstDruckZeilen)
#include "tst_druck_zeilen.moc"
