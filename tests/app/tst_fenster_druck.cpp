// The print choice on the real window: the frame, the seven kinds, cancelling, and what happens
// when the printer fails. The reports go to the recording surface; only their frame is checked
// here, the layout of every kind is the print run's own test.

#include "druck/aufzeichnung.h"
#include "druck/weiterleitung.h"
#include "testfenster.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace {

// Hands everything on to a recording the test keeps, and notes what the window looked like
// while the report was being printed.
class Beobachter : public Weiterleitung
{
public:
    Beobachter(Aufzeichnung &ziel, Main &fenster, QStringList &log)
        : Weiterleitung(ziel), fenster_(fenster), log_(log)
    {
    }
    bool dokumentEnde() override
    {
        log_ << QStringLiteral("Ende, Rahmen %1 %2")
                    .arg(fenster_.drkframe->isVisible() ? "sichtbar" : "verborgen",
                         fenster_.drkframe->isEnabled() ? "bedienbar" : "gesperrt");
        return Weiterleitung::dokumentEnde();
    }

private:
    Main &fenster_;
    QStringList &log_;
};

struct Druckertest
{
    explicit Druckertest(Testfenster &t)
    {
        t.w().setDruckerFabrik([this, &t] {
            log << "Drucker";
            return std::make_unique<Beobachter>(drucker, t.w(), log);
        });
        t.w().setPdfFabrik([this, &t](const QString &pfad) {
            log << "PDF " + pfad;
            return std::make_unique<Beobachter>(pdf, t.w(), log);
        });
    }
    Aufzeichnung drucker;
    Aufzeichnung pdf;
    QStringList log;
};

// The plan of the typical use: row 3 with three crowns, then "Bonus 20%".
void planAnlegen(Testfenster &t)
{
    t.tippeRegion(3, "11,12 21");
    t.listeKlick(2);
    t.klick(t.w().bonus[1]);
}

} // namespace

class TstFensterDruck : public QObject
{
    Q_OBJECT

private slots:
    void druckwahlZeigenUndAbbrechen();
    void jedeArtDrucktEinenBericht_data();
    void jedeArtDrucktEinenBericht();
    void berichtZeigtDasFenster();
    void keinDruckerBietetPdfAn();
    void keinDruckerOhnePdf();
    void echtePdfDatei();
};

void TstFensterDruck::druckwahlZeigenUndAbbrechen()
{
    Testfenster t;
    Druckertest d(t);
    Main &w = t.w();
    t.klick(w.cmdDrucken);
    QVERIFY(w.drkframe->isVisible());
    QVERIFY(w.drkframe->isEnabled());
    t.klick(w.cmdDrucken); // pressing it again changes nothing
    QVERIFY(w.drkframe->isVisible());
    t.klick(w.cmdDruckwahl[7]);
    QVERIFY(!w.drkframe->isVisible());
    QVERIFY(!w.drkframe->isEnabled());
    QVERIFY(d.log.isEmpty());
    QVERIFY(t.gesagt.fragen.isEmpty());
}

void TstFensterDruck::jedeArtDrucktEinenBericht_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QString>("ende");
    QTest::newRow("nur Festzuschüsse") << 0 << "Festzuschuss:";
    QTest::newRow("BEMA je Befund") << 1 << "Regelversorgung:";
    QTest::newRow("BEL je Befund") << 2 << "Regelversorgung:";
    QTest::newRow("BEMA gesamt") << 3 << "Regelversorgung:";
    QTest::newRow("BEL gesamt") << 4 << "Regelversorgung:";
    QTest::newRow("BEMA+BEL je Befund") << 5 << "Regelversorgung:";
    QTest::newRow("BEMA+BEL gesamt") << 6 << "Regelversorgung:";
}

void TstFensterDruck::jedeArtDrucktEinenBericht()
{
    QFETCH(int, art);
    QFETCH(QString, ende);
    Testfenster t;
    Druckertest d(t);
    planAnlegen(t);
    t.klick(t.w().cmdDrucken);
    t.klick(t.w().cmdDruckwahl[art]);
    QCOMPARE(d.log, QStringList({"Drucker", "Ende, Rahmen sichtbar bedienbar"}));
    QVERIFY(!t.w().drkframe->isVisible());
    QVERIFY(!t.w().drkframe->isEnabled());
    QCOMPARE(d.drucker.schriftgroesse(), 10);
    QCOMPARE(d.drucker.dokumentEnden(), 1);
    QStringList texte;
    for (const auto &e : d.drucker.eintraege())
        texte << e.text;
    QVERIFY(texte.contains(ende));
    QVERIFY(t.gesagt.fragen.isEmpty());
    QCOMPARE(texte.contains("BEMA :"), art == 1 || art == 5);
    QCOMPARE(texte.contains("BEL :"), art == 2 || art == 5);
    // Shortened: its first entry, a deduction, stands at the next column.
    QCOMPARE(texte.contains("BEMA (sor…"), art == 3 || art == 6);
    QCOMPARE(texte.contains("BEL (sort.):"), art == 4 || art == 6);
}

void TstFensterDruck::berichtZeigtDasFenster()
{
    Testfenster t;
    Druckertest d(t);
    planAnlegen(t);
    t.w().Patient->setText("  Muster, Erika ");
    t.klick(t.w().cmdDrucken);
    t.klick(t.w().cmdDruckwahl[0]);
    const double U = d.drucker.breite() / 10;
    const QStringList seite = d.drucker.seitenBild(1, U);
    QVERIFY2(seite.size() >= 10, qPrintable(seite.join('\n')));
    QVERIFY2(seite[0].startsWith("1:Muster, Erika|4:Kalvomat|7:"), qPrintable(seite[0]));
    QCOMPARE(seite[1], QString("3:Summen Festzuschüsse:   |6:geschätzte Regel-Eigenanteile "));
    QCOMPARE(seite[2], QString("2:Härtefall : |4:300 EUR|6:0 EUR"));
    QCOMPARE(seite[3], QString("2:ohne Bonus : |4:185,34 EUR|6:114,66 EUR"));
    QCOMPARE(seite[4], QString("2:Bonus 20% : |4:210,18 EUR|6:89,82 EUR"));
    QCOMPARE(seite[5], QString("2:Bonus 30% : |4:225 EUR|6:75 EUR"));
    QCOMPARE(seite[7],
             QString("1: Werte (in EUR ) der Einzelbefunde , Angabe gemäß gewählter "
                     "Bonusstufe : 'Bonus 20%'"));
    // The region ends at 2.8 U: it starts where its width says.
    const auto zeile = d.drucker.zeile(1, 9);
    QCOMPARE(zeile.size(), 7);
    QCOMPARE(zeile[0].text, QString("Festzuschuss:"));
    QCOMPARE(zeile[1].text, QString("11 12 21"));
    QCOMPARE(zeile[1].x + d.drucker.textBreite("11 12 21"), 2.8 * U);
    QCOMPARE(zeile[2].text, QString("1.1  Krone je Zahn"));
    QCOMPARE(zeile[3].text, QString(" 3 "));
    QCOMPARE(zeile[4].text, QString("x "));
    QCOMPARE(zeile[5].text, QString(" 70,06 "));
    QCOMPARE(zeile[6].text, QString(" 210,18 "));
    QCOMPARE(d.drucker.zeilenBild(1, 9, U).mid(d.drucker.zeilenBild(1, 9, U).indexOf("|3:")),
             QString("|3:1.1  Krone je Zahn|5: 3 x |6: 70,06 |7: 210,18 "));
}

void TstFensterDruck::keinDruckerBietetPdfAn()
{
    Testfenster t;
    Druckertest d(t);
    d.drucker.setBereit(false);
    t.gesagt.antwort = true;
    t.gesagt.pdfPfad = t.pfad("bericht.pdf");
    planAnlegen(t);
    t.klick(t.w().cmdDrucken);
    t.klick(t.w().cmdDruckwahl[3]);
    QCOMPARE(t.gesagt.fragen.size(), 1);
    QVERIFY(t.gesagt.fragen.first().startsWith("Beim Drucken auf Ihren Drucker gab es Probleme."));
    QVERIFY(t.gesagt.fragen.first().contains("PDF"));
    QVERIFY(d.drucker.eintraege().isEmpty());
    QCOMPARE(d.drucker.dokumentEnden(), 0);
    QCOMPARE(d.log,
             QStringList(
                 {"Drucker", "PDF " + t.pfad("bericht.pdf"), "Ende, Rahmen sichtbar bedienbar"}));
    QVERIFY(!d.pdf.eintraege().isEmpty());
    QVERIFY(t.gesagt.meldungen.isEmpty());
    QVERIFY(!t.w().drkframe->isVisible());
}

void TstFensterDruck::keinDruckerOhnePdf()
{
    Testfenster t;
    Druckertest d(t);
    d.drucker.setDokumentEndeGelingt(false); // the printer fails at the end of the run
    t.gesagt.antwort = false;
    t.klick(t.w().cmdDrucken);
    t.klick(t.w().cmdDruckwahl[0]);
    QCOMPARE(t.gesagt.fragen.size(), 1);
    QVERIFY(t.gesagt.fragen.first().startsWith("Beim Drucken auf Ihren Drucker gab es Probleme."));
    QCOMPARE(d.log.size(), 2); // the printer, its failed end; no PDF
    QVERIFY(!t.w().drkframe->isVisible());
}

void TstFensterDruck::echtePdfDatei()
{
    // The real PDF surface behind the window's own factory.
    Testfenster t;
    t.w().setDruckerFabrik([] { return std::unique_ptr<Druckflaeche>(); });
    t.gesagt.antwort = true;
    t.gesagt.pdfPfad = t.pfad("plan.pdf");
    planAnlegen(t);
    t.w().cmdDrucken_Click();
    t.w().cmdDruckwahl_Click(6);
    QFile f(t.gesagt.pdfPfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
    QVERIFY(f.size() > 1000);
    QVERIFY(t.gesagt.meldungen.isEmpty());
}

QTEST_MAIN(TstFensterDruck)
#include "tst_fenster_druck.moc"
