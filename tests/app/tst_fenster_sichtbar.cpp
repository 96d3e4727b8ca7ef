// What a person gets from the window: a screen reader reads the figures the labels show, and
// every figure stands whole in its label, neither cut by its box nor hidden by a neighbour.

#include "app/beschriftung.h"
#include "testfenster.h"

#include <QAccessible>
#include <QPainter>
#include <QScrollBar>

namespace {
QList<Beschriftung *> labels(std::initializer_list<QList<Beschriftung *>> felder)
{
    QList<Beschriftung *> l;
    for (const auto &feld : felder)
        l += feld;
    return l;
}
template<std::size_t n>
QList<Beschriftung *> L(const std::array<Beschriftung *, n> &a)
{
    return QList<Beschriftung *>(a.cbegin(), a.cend());
}

// Where a label's text puts ink when nothing clips it, in window coordinates.
QRect tinte(const QLabel *l, const QWidget *fenster)
{
    QImage bild(l->size() + QSize(200, 200), QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setFont(l->font());
    const int flags =
        int(l->alignment()) | Qt::TextDontClip | (l->wordWrap() ? Qt::TextWordWrap : 0);
    maler.drawText(l->contentsRect().translated(100, 100), flags, l->text());
    maler.end();
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qAlpha(bild.pixel(x, y)) > 0)
                r |= QRect(x - 100, y - 100, 1, 1);
    return r.translated(l->mapTo(fenster, QPoint()));
}

// What a control hides of those below it: a label that fills no background only its text.
QRegion deckt(const QWidget *n, const QWidget *fenster)
{
    const auto *l = qobject_cast<const QLabel *>(n);
    if (!n->isVisible() || (l && !l->autoFillBackground()))
        return l && n->isVisible() ? tinte(l, fenster) : QRegion();
    return QRect(n->mapTo(fenster, QPoint()), n->size());
}
} // namespace

class TstFensterSichtbar : public QObject
{
    Q_OBJECT

private slots:
    void datenLabelSprechenIhrenText()
    {
        Testfenster t;
        Main &w = t.w();
        t.tippeRegion(0, "11 12 13");
        t.listeKlick(2);
        t.tippeRegion(1, "OK");
        t.listeKlick(3);
        t.klick(w.bonus[2]);
        int gefuellt = 0;
        for (Beschriftung *l :
             labels({L(w.festsum), L(w.eigenanteil), L(w.lblbefund), L(w.befgr), L(w.erg_befund),
                     L(w.erg_anz), L(w.erg_einfach), L(w.erg_befsum)})) {
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(l);
            QCOMPARE(a->text(QAccessible::Name), l->text());
            // What the label is stays with it, for the reader to say on request.
            QVERIFY2(!a->text(QAccessible::Description).isEmpty(), qPrintable(l->text()));
            gefuellt += l->text().isEmpty() ? 0 : 1;
        }
        // The totals, own shares, the two rows, the details and the two group headings.
        QVERIFY(gefuellt >= 8 + 2 * 4 + 4 + 2);
        QCOMPARE(w.festsum[0]->text(), QString("682,14"));
        // The list has no side scroller, though its headings are wider than it.
        QVERIFY(w.befwahl[0]->sizeHintForColumn(0) > w.befwahl[0]->viewport()->width());
        QVERIFY(!w.befwahl[0]->horizontalScrollBar()->isVisible());
    }

    void ganzeFiguren_data()
    {
        QTest::addColumn<QString>("betraege"); // of one tooth at the four levels
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("summe"); // the row sum shown
        QTest::newRow("lowest 32-bit")
            << "-214748,3648\t-214748,3648\t-214748,3648\t-214748,3648" << 3 << "-214748,3648";
        QTest::newRow("own share")
            << "214748,3648\t214748,3648\t214748,3648\t0" << 0 << "214748,3648";
        QTest::newRow("four decimals")
            << "99999,9999\t88888,8888\t77777,7777\t0,0001" << 1 << "88888,8888";
        QTest::newRow("Überlauf") << "1e999\t1e999\t1e999\t1e999" << 2 << "Überlauf";
    }
    void ganzeFiguren()
    {
        QFETCH(QString, betraege);
        QFETCH(int, stufe);
        QFETCH(QString, summe);
        Testfenster t({{"bef.txt", alsDatei({"Nr", "1.1\tKrone\t\t\t" + betraege + "\t-1"})}});
        Main &w = t.w();
        t.tippeRegion(0, "11");
        t.listeKlick(1);
        t.klick(w.bonus[stufe]);
        QHash<const QObject *, QRegion> verdeckt;
        for (QObject *n : w.children())
            if (auto *k = qobject_cast<QWidget *>(n))
                verdeckt[n] = deckt(k, &w);
        const auto alle = labels({{w.lblsumfest, w.lblEigenanteil, w.lblvelmarBild},
                                  L(w.festsum),
                                  L(w.eigenanteil),
                                  L(w.lblBonus),
                                  L(w.lblhead),
                                  L(w.erg_anz),
                                  L(w.erg_einfach),
                                  L(w.erg_befsum)});
        for (Beschriftung *l : alle) {
            QRegion sichtbar(QRect(l->pos(), l->size()));
            for (qsizetype i = w.children().indexOf(l) + 1; i < w.children().size(); ++i)
                sichtbar -= verdeckt.value(w.children()[i]);
            QVERIFY2((QRegion(tinte(l, &w)) - sichtbar).isEmpty(),
                     qPrintable(l->accessibleDescription() + ": " + l->text()));
        }
        QCOMPARE(w.erg_befsum[0]->text(), summe);
    }
};

QTEST_MAIN(TstFensterSichtbar)
#include "tst_fenster_sichtbar.moc"
