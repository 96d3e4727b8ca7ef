// The window after start-up: caption, placement, the layout of rows and sums, the first
// calculation, the help and rules panels, the screen toggle and the support link.

#include "app/beschriftung.h"
#include "app/twips.h"
#include "plattform/browser.h"
#include "testfenster.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>

class TstFensterStart : public QObject
{
    Q_OBJECT

private slots:
    void titelUndPlatz();
    void layoutNachDemStart_data();
    void layoutNachDemStart();
    void zeilenLayout();
    void spaltenkoepfe();
    void ersteBerechnung();
    void gruppenlabelsAuchOhneUeberschriften();
    void hilfeTextMitCrLf();
    void hilfeFehlt();
    void anmerkWirdAngelegt();
    void anmerkBleibtUnveraendert();
    void panelsUnabhaengig();
    void bildschirmUmschalter();
    void bildschirmUmschalterNachVerschieben();
    void supportLink();
    void supportSeiteFehlt();
    void browserStartetNicht();
};

void TstFensterStart::titelUndPlatz()
{
    Testfenster t;
    QCOMPARE(t.w().windowTitle(), QString("Kalvomat 1.3"));
    QCOMPARE(t.w().pos(), QPoint(tw(450), 0));
    QCOMPARE(t.w().height(), tw(11000));
    QCOMPARE(t.w().width(), tw(11025));
}

void TstFensterStart::layoutNachDemStart_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("twips");
    // Levels 0..2 in columns from 6900, 1400 apart; "Härtefall" left of them at 5600.
    QTest::newRow("festsum(0)") << "festsum0" << QPoint(6900, 3140);
    QTest::newRow("festsum(1)") << "festsum1" << QPoint(8300, 3140);
    QTest::newRow("festsum(2)") << "festsum2" << QPoint(9700, 3140);
    QTest::newRow("festsum(3) Härtefall") << "festsum3" << QPoint(5600, 3140);
    QTest::newRow("eigenanteil(0)") << "eigenanteil0" << QPoint(6900, 2890);
    QTest::newRow("eigenanteil(3)") << "eigenanteil3" << QPoint(5600, 2890);
    QTest::newRow("lblBonus(0)") << "lblBonus0" << QPoint(6900, 3400);
    QTest::newRow("lblBonus(2)") << "lblBonus2" << QPoint(9700, 3400);
    QTest::newRow("lblBonus(3) Härtefall") << "lblBonus3" << QPoint(5600, 3400);
    QTest::newRow("bonus(0)") << "bonus0" << QPoint(6650, 3400);
    QTest::newRow("bonus(3) at 5350") << "bonus3" << QPoint(5350, 3400);
    QTest::newRow("Patient") << "Patient" << QPoint(200, 3400);
    QTest::newRow("lblsumfest") << "lblsumfest" << QPoint(3200, 3120);
    QTest::newRow("lblEigenanteil") << "lblEigenanteil" << QPoint(3700, 2640);
    QTest::newRow("befwahl(0)") << "befwahl" << QPoint(200, 4000);
    QTest::newRow("befgr(0)") << "befgr0" << QPoint(300, 7200);
    QTest::newRow("befgr(7)") << "befgr7" << QPoint(300, 9510);
}

void TstFensterStart::layoutNachDemStart()
{
    QFETCH(QString, name);
    QFETCH(QPoint, twips);
    Testfenster t;
    Main &w = t.w();
    QMap<QString, QWidget *> m = {{"Patient", w.Patient},
                                  {"lblsumfest", w.lblsumfest},
                                  {"lblEigenanteil", w.lblEigenanteil},
                                  {"befwahl", w.befwahl[0]},
                                  {"befgr0", w.befgr[0]},
                                  {"befgr7", w.befgr[7]}};
    for (int i = 0; i < 4; ++i) {
        m.insert(QStringLiteral("festsum%1").arg(i), w.festsum[i]);
        m.insert(QStringLiteral("eigenanteil%1").arg(i), w.eigenanteil[i]);
        m.insert(QStringLiteral("lblBonus%1").arg(i), w.lblBonus[i]);
        m.insert(QStringLiteral("bonus%1").arg(i), w.bonus[i]);
    }
    QWidget *c = m.value(name);
    QVERIFY(c);
    QCOMPARE(c->pos(), QPoint(tw(twips.x()), tw(twips.y())));
}

void TstFensterStart::zeilenLayout()
{
    Testfenster t;
    Main &w = t.w();
    for (int i = 0; i < 20; ++i) {
        const int top = 4000 + 330 * i;
        QCOMPARE(w.regio[i]->geometry(), twRect(2200, top, 3000, 220));
        QCOMPARE(w.erg_befund[i]->geometry(), twRect(5300, top + 50, 1575, 220));
        QCOMPARE(w.erg_anz[i]->geometry(), twRect(7200, top + 50, 375, 220));
        QCOMPARE(w.erg_einfach[i]->geometry(), twRect(8200, top + 50, 855, 220));
        QCOMPARE(w.erg_befsum[i]->geometry(), twRect(9200, top + 50, 735, 220));
        QCOMPARE(w.regio[i]->toolTip(),
                 QString("OK UK und/oder ZahnNummer durch Komma oder Leerzeichen getrennt"));
        QCOMPARE(w.erg_befund[i]->caption(), QString());
    }
    // The list is 3000 twips high after the start, not the 200 of its first placing.
    QCOMPARE(w.befwahl[0]->geometry(), twRect(200, 4000, 1800, 3000));
    QCOMPARE(w.befwahl[0]->toolTip(), QString("Auswählen (oder löschen durch 'bitte wählen')"));
    QCOMPARE(w.listhoehe, 3000);
    QCOMPARE(w.txtnichtz->width(), tw(7900));
    QCOMPARE(w.txtnichtk->width(), tw(7900));
}

void TstFensterStart::spaltenkoepfe()
{
    Testfenster t;
    const QStringList titel = {"Befundauswahl", "Region",  "Nr+ Befund",
                               "Anzahl",        "Einfach", "Summe"};
    const int links[6] = {200, 4200, 5300, 7000, 8000, 9000};
    for (int i = 0; i < 6; ++i) {
        Beschriftung *k = t.w().lblhead[i];
        QCOMPARE(k->caption(), titel[i]);
        QCOMPARE(k->pos(), QPoint(tw(links[i]), tw(3700)));
        QVERIFY(k->font().bold());
        QCOMPARE(k->font().pointSizeF(), 10.0);
        QVERIFY(k->autoSize());
    }
}

void TstFensterStart::ersteBerechnung()
{
    Testfenster t;
    Main &w = t.w();
    QVERIFY(w.bonus[0]->isChecked());
    QCOMPARE(w.plan.aktbonus, 0);
    QCOMPARE(w.plan.aktzeile, 0);
    QCOMPARE(w.lblBonus[0]->frameShape(), QFrame::Box);
    for (int i = 1; i < 4; ++i)
        QCOMPARE(w.lblBonus[i]->frameShape(), QFrame::NoFrame);
    for (int b = 0; b < 4; ++b) {
        QCOMPARE(w.festsum[b]->caption(), QString("0"));
        QCOMPARE(w.eigenanteil[b]->caption(), QString("0"));
        // Designed at 11 points; smaller where the widest figure would not fit between columns.
        QVERIFY(w.festsum[b]->font().pointSizeF() <= 11.0);
    }
    QVERIFY(w.eigenanteil[0]->isVisible());
    QCOMPARE(w.eigenanteil[0]->caption(), w.festsum[0]->caption());
    for (int i = 0; i < 20; ++i) {
        QVERIFY(!w.plan.hatBefund(i));
        QCOMPARE(w.erg_anz[i]->caption(), QString());
        QCOMPARE(w.erg_einfach[i]->caption(), QString("0"));
        QCOMPARE(w.erg_befsum[i]->caption(), QString("0"));
    }
}

void TstFensterStart::gruppenlabelsAuchOhneUeberschriften()
{
    Testfenster t({{"bef.txt", alsDatei({"Kopf", "1.1\tKrone\t\t\t1\t1\t1\t1"})}});
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(t.w().befgr[k]->caption(), QString());
        QCOMPARE(t.w().befgr[k]->pos(), QPoint(tw(300), tw(7200 + 330 * k)));
    }
}

void TstFensterStart::hilfeTextMitCrLf()
{
    Testfenster t({{"bef.txt", alsDatei({"Kopf"})}, {"hilfe.txt", QByteArray("A\r\nB")}});
    QCOMPARE(t.w().hilfeText, QString("A\r\nB\r\n"));
    QCOMPARE(t.w().txtHilfe->toPlainText(), QString("A\nB\n"));
}

void TstFensterStart::hilfeFehlt()
{
    Testfenster t({{"bef.txt", alsDatei({"Kopf"})}});
    QVERIFY(t.w().isVisible());
    const QString hilfe = t.w().txtHilfe->toPlainText();
    QVERIFY2(hilfe.contains("„hilfe.txt“") && hilfe.contains("nicht gefunden"), qPrintable(hilfe));
    QVERIFY(hilfe.contains(QDir::toNativeSeparators(QDir::currentPath())));
}

void TstFensterStart::anmerkWirdAngelegt()
{
    Testfenster t({{"bef.txt", alsDatei({"Kopf"})}});
    QFile f(t.pfad("Anmerk.txt"));
    QVERIFY(f.exists());
    QCOMPARE(f.size(), 0);
    QCOMPARE(t.w().anmerkText, QString());
    QCOMPARE(t.w().txtanmerk->toPlainText(), QString());
}

void TstFensterStart::anmerkBleibtUnveraendert()
{
    const QByteArray inhalt("Regel \x84"
                            "eins\x93\r\nzwei ohne Ende");
    Testfenster t({{"bef.txt", alsDatei({"Kopf"})}, {"Anmerk.txt", inhalt}});
    QFile f(t.pfad("Anmerk.txt"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), inhalt);
    QCOMPARE(t.w().anmerkText, QString("Regel „eins“\r\nzwei ohne Ende\r\n"));
}

void TstFensterStart::panelsUnabhaengig()
{
    Testfenster t;
    Main &w = t.w();
    t.klick(w.cmdHilfe);
    QVERIFY(!w.txtHilfe->isVisible());
    QVERIFY(!w.txtanmerk->isVisible());
    t.klick(w.cmdAnmerk);
    QVERIFY(w.txtanmerk->isVisible());
    QVERIFY(!w.txtHilfe->isVisible());
    t.klick(w.cmdHilfe);
    QVERIFY(w.txtHilfe->isVisible());
    QVERIFY(w.txtanmerk->isVisible());
    t.klick(w.cmdAnmerk);
    QVERIFY(!w.txtanmerk->isVisible());
    QVERIFY(w.txtHilfe->isVisible());
}

void TstFensterStart::bildschirmUmschalter()
{
    Testfenster t;
    Main &w = t.w();
    const int links = w.x();
    const QSize groesse = w.size();
    const QStringList beschriftung = {"rauf", "runter", "rauf"};
    const int oben[3] = {tw(-2000), 0, tw(-2000)};
    for (int k = 0; k < 3; ++k) {
        t.klick(w.cmdAufAb);
        QCOMPARE(w.y(), oben[k]);
        QCOMPARE(w.cmdAufAb->text(), beschriftung[k]);
        QCOMPARE(w.x(), links);
        QCOMPARE(w.size(), groesse);
    }
}

void TstFensterStart::bildschirmUmschalterNachVerschieben()
{
    Testfenster t;
    Main &w = t.w();
    w.move(w.x(), 40); // dragged below the top edge
    w.cmdAufAb_Click();
    QCOMPARE(w.y(), tw(-2000));
    w.move(w.x(), -1); // dragged a little above the top edge
    w.cmdAufAb_Click();
    QCOMPARE(w.y(), 0);
    QCOMPARE(w.cmdAufAb->text(), QString("runter"));
}

namespace {
class MerkOeffner : public Seitenoeffner
{
public:
    MerkOeffner(QList<QUrl> &log, bool gelingt) : log_(log), gelingt_(gelingt) { }
    bool oeffnen(const QUrl &adresse) override
    {
        log_ << adresse;
        return gelingt_;
    }

private:
    QList<QUrl> &log_;
    bool gelingt_;
};
} // namespace

void TstFensterStart::supportLink()
{
    // The build puts the page next to the program; the test program's folder gets one too.
    const QString seite = QCoreApplication::applicationDirPath() + "/linkzuvelmar.html";
    schreibe(seite, "<html></html>");
    Testfenster t;
    QList<QUrl> log;
    t.w().setSeitenoeffner(std::make_unique<MerkOeffner>(log, true));
    t.klick(t.w().lblVelmar);
    t.klick(t.w().lblVelmar);
    QCOMPARE(log.size(), 2);
    QCOMPARE(log.first(), QUrl::fromLocalFile(seite));
    QVERIFY(t.gesagt.meldungen.isEmpty());
    QFile::remove(seite);
}

void TstFensterStart::supportSeiteFehlt()
{
    QFile::remove(QCoreApplication::applicationDirPath() + "/linkzuvelmar.html");
    Testfenster t;
    QList<QUrl> log;
    t.w().setSeitenoeffner(std::make_unique<MerkOeffner>(log, true));
    const QString titel = t.w().windowTitle();
    t.klick(t.w().lblVelmar);
    QVERIFY(log.isEmpty());
    QCOMPARE(t.gesagt.meldungen.size(), 1);
    QVERIFY(t.gesagt.meldungen.first().contains("linkzuvelmar.html"));
    QVERIFY(t.gesagt.meldungen.first().contains(
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath())));
    QCOMPARE(t.w().windowTitle(), titel);
}

void TstFensterStart::browserStartetNicht()
{
    const QString seite = QCoreApplication::applicationDirPath() + "/linkzuvelmar.html";
    schreibe(seite, "<html></html>");
    Testfenster t;
    QList<QUrl> log;
    t.w().setSeitenoeffner(std::make_unique<MerkOeffner>(log, false));
    t.w().lblVelmar_Click();
    QCOMPARE(log.size(), 1);
    QCOMPARE(t.gesagt.meldungen.size(), 1);
    QVERIFY(t.gesagt.meldungen.first().contains("Web-Browser"));
    QFile::remove(seite);
}

QTEST_MAIN(TstFensterStart)
#include "tst_fenster_start.moc"
