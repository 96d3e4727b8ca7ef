// What a person gets from the window: a screen reader reads the figures the labels show, and
// every figure stands whole inside its label.

#include "app/beschriftung.h"
#include "testfenster.h"

#include <QAccessible>
#include <QScrollBar>

class TstFensterSichtbar : public QObject
{
    Q_OBJECT

private slots:
    void datenLabelSprechenIhrenText();
};

namespace {
// Every label of the window that shows data.
QList<Beschriftung *> datenLabels(Main &w)
{
    QList<Beschriftung *> l;
    for (const auto &feld : {w.festsum, w.eigenanteil, w.lblbefund})
        l.append(QList<Beschriftung *>(feld.cbegin(), feld.cend()));
    for (const auto &feld : {w.erg_befund, w.erg_anz, w.erg_einfach, w.erg_befsum})
        l.append(QList<Beschriftung *>(feld.cbegin(), feld.cend()));
    l.append(QList<Beschriftung *>(w.befgr.cbegin(), w.befgr.cend()));
    return l;
}
} // namespace

void TstFensterSichtbar::datenLabelSprechenIhrenText()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(0, "11 12 13");
    t.listeKlick(2);
    t.tippeRegion(1, "OK");
    t.listeKlick(3);
    t.klick(w.bonus[2]);
    int gefuellt = 0;
    for (Beschriftung *l : datenLabels(w)) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(l);
        QVERIFY(a);
        QCOMPARE(a->text(QAccessible::Name), l->text());
        // What the label is stays with it, for the reader to say on request.
        QVERIFY2(!a->text(QAccessible::Description).isEmpty(), qPrintable(l->text()));
        gefuellt += l->text().isEmpty() ? 0 : 1;
    }
    // The totals, own shares, the two rows, the details and the two group headings.
    QVERIFY2(gefuellt >= 8 + 10 + 4 + 2, qPrintable(QString::number(gefuellt)));
    QCOMPARE(w.festsum[0]->text(), QString("682,14"));
    // The list has no side scroller, though its headings are wider than it.
    QVERIFY(w.befwahl[0]->sizeHintForColumn(0) > w.befwahl[0]->viewport()->width());
    QVERIFY(!w.befwahl[0]->horizontalScrollBar()->isVisible());
}

QTEST_MAIN(TstFensterSichtbar)
#include "tst_fenster_sichtbar.moc"
