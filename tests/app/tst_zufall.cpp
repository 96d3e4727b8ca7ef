// Random use of the real window: a seeded generator types regions, clicks list entries, controls
// and any point of the window (the click lands on whatever lies on top there), presses keys in
// the list and prints. After every action the window must keep its invariants: each total is the
// sum of its rows, each own share is level 3 minus its level, the highlighted list entry is the
// current one, and exactly the current row, always one of the 20, is marked. A failure names the
// seed and lists the actions; KALVOMAT_ZUFALL_SEED=n replays that seed alone and
// KALVOMAT_ZUFALL_AKTIONEN=m sets the number of actions per seed.

#include "app/beschriftung.h"
#include "druck/aufzeichnung.h"
#include "druck/weiterleitung.h"
#include "plan/geld.h"
#include "plattform/browser.h"
#include "testfenster.h"

#include <QApplication>

#include <random>

namespace {
struct KeinBrowser : Seitenoeffner
{
    bool oeffnen(const QUrl &) override { return true; }
};

// What no action may break; empty while all holds.
QString verletzt(Main &w)
{
    const QLocale locale = geld::anzeigeLocale();
    for (int b = 0; b < 4; ++b) {
        Geld summe = 0;
        for (const auto &zeile : w.plan.planwert)
            summe = geld::plus(summe, zeile[PlanState::spalteSumme + b]);
        const QString anteil = geld::text(geld::minus(w.plan.festsumme[3], summe), locale);
        if (w.festsum[b]->text() != geld::text(summe, locale) || w.eigenanteil[b]->text() != anteil)
            return QStringLiteral("level %1 shows %2 and %3; its rows make %4, the own share %5")
                .arg(b)
                .arg(w.festsum[b]->text(), w.eigenanteil[b]->text(), geld::text(summe, locale),
                     anteil);
    }
    // The highlighted list entry is the finding whose details are shown.
    const QList<QListWidgetItem *> gewaehlt = w.befwahl[0]->selectedItems();
    const Befund &b = w.katalog.befund(gewaehlt.isEmpty() ? 0 : w.befwahl[0]->row(gewaehlt[0]));
    if (!gewaehlt.isEmpty()
        && (w.lblbefund[0]->text() != b.befnr || w.lblbefund[1]->text() != b.beftext))
        return QStringLiteral("the list highlights %1, the details show %2")
            .arg(b.beftext, w.lblbefund[1]->text());
    for (int i = 0; i < PlanState::zeilen; ++i) {
        const bool hell =
            w.erg_befund[i]->palette().color(QPalette::Window) == w.palette().color(QPalette::Base);
        if (hell != (i == w.aktzeile_lesen()))
            return QStringLiteral("row %1 marked %2, the current row is %3")
                .arg(i)
                .arg(hell)
                .arg(w.aktzeile_lesen());
    }
    return {};
}
} // namespace

class TstZufall : public QObject
{
    Q_OBJECT

private slots:
    void lauf_data()
    {
        QTest::addColumn<unsigned>("startwert");
        const unsigned einer = qEnvironmentVariableIntValue("KALVOMAT_ZUFALL_SEED");
        for (unsigned s = einer ? einer : 1; s <= (einer ? einer : 5); ++s)
            QTest::addRow("seed %u", s) << s;
    }
    void lauf();
};

void TstZufall::lauf()
{
    QFETCH(unsigned, startwert);
    std::mt19937 zufall(startwert);
    const auto wuerfel = [&](int n) { return static_cast<int>(zufall() % unsigned(n)); };
    Testfenster t({{"bef.txt", alsDatei(katalogZeilen("reich.txt"))}});
    Main &w = t.w();
    Aufzeichnung papier;
    w.setDruckerFabrik([&] { return std::make_unique<Weiterleitung>(papier); });
    w.setSeitenoeffner(std::make_unique<KeinBrowser>());
    QList<QWidget *> ziele {w.cmdDrucken, w.cmdHilfe, w.cmdAnmerk, w.cmdAufAb, w.lblbefund[2]};
    for (const auto &feld : {w.erg_befund, w.erg_anz, w.erg_einfach, w.erg_befsum})
        ziele += QList<QWidget *>(feld.cbegin(), feld.cend());
    ziele += QList<QWidget *>(w.cmdDruckwahl.cbegin(), w.cmdDruckwahl.cend());
    ziele += QList<QWidget *>(w.bonus.cbegin(), w.bonus.cend());
    const QStringList texte {
        "11", "OK UK", "11,12 21", "18uk", "55 19", "31 32 33 41 42", "ok 11 12 13 14 15 16",
        "x",  ""};
    const Qt::Key tasten[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End, Qt::Key_Tab};
    const QByteArray anzahl = qgetenv("KALVOMAT_ZUFALL_AKTIONEN");
    QStringList protokoll;
    for (int n = anzahl.isEmpty() ? 1500 : anzahl.toInt(); n > 0; --n) {
        const int wahl = wuerfel(8), i = wuerfel(PlanState::zeilen);
        QPoint p(wuerfel(w.width()), wuerfel(w.height()));
        if (wahl <= 1) {
            const QString text = texte[wuerfel(texte.size())];
            protokoll << QStringLiteral("region %1: %2").arg(i).arg(text);
            t.tippeRegion(i, text);
        } else if (wahl <= 3) {
            protokoll << QStringLiteral("list entry %1").arg(i);
            t.listeKlick(i);
        } else if (wahl == 4) {
            protokoll << QStringLiteral("list key %1").arg(i % 5);
            w.befwahl[0]->setFocus();
            QTest::keyClick(w.befwahl[0], tasten[i % 5]);
        } else {
            QWidget *ziel = ziele[wuerfel(ziele.size())];
            if (wahl < 7 && ziel->isVisible()) // where a user would click that control
                p = ziel->mapTo(&w, ziel->rect().center());
            QWidget *oben = w.childAt(p);
            protokoll << QStringLiteral("click at %1 %2").arg(p.x()).arg(p.y());
            if (oben)
                QTest::mouseClick(oben, Qt::LeftButton, {}, oben->mapFrom(&w, p));
        }
        const QString fehler = verletzt(w);
        if (!fehler.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1 after %2 actions: %3\n%4")
                                 .arg(startwert)
                                 .arg(protokoll.size())
                                 .arg(fehler, protokoll.join(u'\n'))));
    }
    QVERIFY(!papier.eintraege().isEmpty()); // the run reached the print run
}

QTEST_MAIN(TstZufall)
#include "tst_zufall.moc"
