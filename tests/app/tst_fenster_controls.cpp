// The window as designed: every control with its caption, place, font, state and tab order.

#include "app/beschriftung.h"
#include "app/twips.h"
#include "testfenster.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class TstFensterControls : public QObject
{
    Q_OBJECT

private slots:
    void texteWieEntworfen_data();
    void texteWieEntworfen();
    void festePlaetze_data();
    void festePlaetze();
    void schriften_data();
    void schriften();
    void tooltips_data();
    void tooltips();
    void sichtbarkeitAmStart();
    void druckwahlKnoepfe();
    void panelsLiegenUeberDenZeilen();
    void tabReihenfolge();
    void tabSpringtVonLetzterRegionInDieListe();
    void fokusAmStartInRegion0();
    void listeUndGruppenAusDemKatalog();
    void fehlenderKatalog();
    void ueberzaehligeZeilenWerdenGemeldet();
    void leererKatalog();
    void autoSizePasstZurSchrift();
    void namenFuerBildschirmleser_data();
    void namenFuerBildschirmleser();
    void jedesBedienelementHatEinenNamen();
};

namespace {
QString textVon(QWidget *w)
{
    if (auto *b = qobject_cast<Beschriftung *>(w))
        return b->caption();
    if (auto *k = qobject_cast<QAbstractButton *>(w))
        return k->text();
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    return QString();
}
} // namespace

void TstFensterControls::texteWieEntworfen_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Regel") << "cmdAnmerk"
                           << "Regel";
    QTest::newRow("Zahn") << "lblNichtzahn"
                          << "am gleichen Zahn nicht abrechenbar:";
    QTest::newRow("Kiefer") << "lblNichtKiefer"
                            << "im gleichen Kiefer nicht abrechenbar:";
    QTest::newRow("Bild") << "lblvelmarBild"
                          << "velmar";
    QTest::newRow("Druckrahmen") << "drkframe"
                                 << "Drucken";
    QTest::newRow("Drucken") << "cmdDrucken"
                             << "Drucken";
    QTest::newRow("Hilfe") << "cmdHilfe"
                           << "Hilfe";
    QTest::newRow("AufAb two, six, three blanks") << "cmdAufAb"
                                                  << "  800      X   600";
    QTest::newRow("Patient") << "Patient"
                             << "Beispiel,Anton";
    QTest::newRow("Eigenanteil blank before colon")
        << "lblEigenanteil"
        << "geschätzter Eigenanteil an Regelversorgung :";
    QTest::newRow("Summen") << "lblsumfest"
                            << "Summen Festzuschüsse:";
}

QWidget *control(Main &w, const QString &name)
{
    const QMap<QString, QWidget *> m = {
        {"txtanmerk", w.txtanmerk},
        {"cmdAnmerk", w.cmdAnmerk},
        {"txtnichtz", w.txtnichtz},
        {"txtnichtk", w.txtnichtk},
        {"lblNichtzahn", w.lblNichtzahn},
        {"lblNichtKiefer", w.lblNichtKiefer},
        {"FrameVelmar", w.FrameVelmar},
        {"lblVelmar", w.lblVelmar},
        {"lblvelmarBild", w.lblvelmarBild},
        {"drkframe", w.drkframe},
        {"txtHilfe", w.txtHilfe},
        {"cmdDrucken", w.cmdDrucken},
        {"cmdHilfe", w.cmdHilfe},
        {"cmdAufAb", w.cmdAufAb},
        {"Patient", w.Patient},
        {"lblEigenanteil", w.lblEigenanteil},
        {"lblsumfest", w.lblsumfest},
        {"lblbefund0", w.lblbefund[0]},
        {"lblbefund1", w.lblbefund[1]},
        {"lblbefund2", w.lblbefund[2]},
        {"lblbefund3", w.lblbefund[3]},
    };
    return m.value(name);
}

void TstFensterControls::texteWieEntworfen()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    Testfenster t;
    QWidget *c = control(t.w(), name);
    QVERIFY(c);
    QCOMPARE(textVon(c), text);
}

void TstFensterControls::festePlaetze_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("txtanmerk") << "txtanmerk" << QRect(360, 2160, 9675, 8220);
    QTest::newRow("cmdAnmerk") << "cmdAnmerk" << QRect(10200, 8040, 615, 1095);
    QTest::newRow("txtnichtz") << "txtnichtz" << QRect(3100, 1950, 7900, 285);
    QTest::newRow("txtnichtk") << "txtnichtk" << QRect(3100, 2280, 7900, 285);
    QTest::newRow("FrameVelmar") << "FrameVelmar" << QRect(6000, 2500, 4095, 375);
    QTest::newRow("lblvelmarBild") << "lblvelmarBild" << QRect(0, 2520, 2895, 855);
    QTest::newRow("drkframe") << "drkframe" << QRect(4680, 3960, 5295, 6735);
    QTest::newRow("txtHilfe") << "txtHilfe" << QRect(2500, 4720, 8000, 5700);
    QTest::newRow("cmdDrucken") << "cmdDrucken" << QRect(10200, 5080, 615, 1215);
    QTest::newRow("cmdHilfe") << "cmdHilfe" << QRect(10200, 3720, 615, 1095);
    QTest::newRow("cmdAufAb") << "cmdAufAb" << QRect(10200, 6520, 615, 1215);
    QTest::newRow("lblbefund(0)") << "lblbefund0" << QRect(120, 120, 1215, 855);
    QTest::newRow("lblbefund(1)") << "lblbefund1" << QRect(120, 1080, 1215, 855);
    QTest::newRow("lblbefund(2)") << "lblbefund2" << QRect(1440, 120, 9105, 855);
    QTest::newRow("lblbefund(3)") << "lblbefund3" << QRect(1440, 1080, 9135, 855);
}

void TstFensterControls::festePlaetze()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Testfenster t;
    QWidget *c = control(t.w(), name);
    QVERIFY(c);
    QCOMPARE(c->geometry(), twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    QCOMPARE(c->parentWidget(), static_cast<QWidget *>(&t.w()));
}

void TstFensterControls::schriften_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("punkte");
    QTest::addColumn<bool>("fett");
    QTest::addColumn<bool>("unterstrichen");
    QTest::newRow("txtanmerk") << "txtanmerk" << 9.75 << false << false;
    QTest::newRow("lblVelmar underlined") << "lblVelmar" << 8.25 << false << true;
    QTest::newRow("lblvelmarBild bold") << "lblvelmarBild" << 17.25 << true << false;
    QTest::newRow("txtHilfe") << "txtHilfe" << 9.75 << false << false;
    QTest::newRow("lblsumfest") << "lblsumfest" << 9.75 << false << false;
    QTest::newRow("lblbefund(0) bold") << "lblbefund0" << 13.5 << true << false;
    QTest::newRow("lblbefund(1) bold") << "lblbefund1" << 9.75 << true << false;
    QTest::newRow("lblbefund(2)") << "lblbefund2" << 9.75 << false << false;
}

void TstFensterControls::schriften()
{
    QFETCH(QString, name);
    QFETCH(double, punkte);
    QFETCH(bool, fett);
    QFETCH(bool, unterstrichen);
    Testfenster t;
    const QFont f = control(t.w(), name)->font();
    QCOMPARE(f.pointSizeF(), punkte);
    QCOMPARE(f.bold(), fett);
    QCOMPARE(f.underline(), unterstrichen);
}

void TstFensterControls::tooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tooltip");
    const QString druck = "bei Maustastendruck auf dieses Feld  wird Inhalt vollständig angezeigt";
    QTest::newRow("txtnichtz, two blanks after Feld") << "txtnichtz" << druck;
    QTest::newRow("txtnichtk") << "txtnichtk" << druck;
    QTest::newRow("lblbefund(2)") << "lblbefund2" << druck;
    QTest::newRow("lblbefund(3)") << "lblbefund3" << druck;
    QTest::newRow("cmdAufAb, trailing blank")
        << "cmdAufAb"
        << "verschiebt Ansicht nach oben, wenn zu groß für den Bildschirm ";
    QTest::newRow("lblEigenanteil")
        << "lblEigenanteil"
        << "schätzbar, weil die Festzuschüsse so berechnet sind, dass "
           "Durchschnitts-Regelversorgung ohne Bonus zu 50% bezuschusst sind";
}

void TstFensterControls::tooltips()
{
    QFETCH(QString, name);
    QFETCH(QString, tooltip);
    Testfenster t;
    QCOMPARE(control(t.w(), name)->toolTip(), tooltip);
}

void TstFensterControls::sichtbarkeitAmStart()
{
    Testfenster t;
    Main &w = t.w();
    QVERIFY(w.txtHilfe->isVisible());
    QVERIFY(!w.txtanmerk->isVisible());
    QVERIFY(!w.drkframe->isVisible());
    QVERIFY(!w.drkframe->isEnabled());
    // Locked boxes: readable and scrollable, not editable.
    for (auto *box : {w.txtHilfe, w.txtanmerk, w.txtnichtz, w.txtnichtk})
        QVERIFY(box->isReadOnly());
    QCOMPARE(w.txtHilfe->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w.txtanmerk->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(w.lblVelmar->parentWidget(), static_cast<QWidget *>(w.FrameVelmar));
    QCOMPARE(w.lblVelmar->pos(), QPoint(tw(120), tw(120)));
    QVERIFY(w.lblVelmar->caption().endsWith(QString(13, u' ') + "Support + Diskussions-Forum"));
    QVERIFY((w.lblsumfest->alignment() & Qt::AlignRight) != 0);
    QVERIFY((w.lblbefund[0]->alignment() & Qt::AlignHCenter) != 0);
    for (auto *l : w.lblbefund)
        QCOMPARE(l->frameShape(), QFrame::Box);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.bonus[i]->text(), QString("Option2"));
        QCOMPARE(w.bonus[i]->size(), QSize(tw(200), tw(195)));
    }
    QCOMPARE(w.befwahl.size(), std::size_t(1));
    QCOMPARE(w.regio.size(), std::size_t(20));
    QCOMPARE(w.befgr.size(), std::size_t(8));
    QCOMPARE(w.lblhead.size(), std::size_t(6));
}

void TstFensterControls::druckwahlKnoepfe()
{
    Testfenster t;
    const QStringList namen = {"nur Festzuschüsse", "BEMA je Befund", "BEL je Befund",
                               "BEMA gesamt",       "BEL gesamt",     "BEMA+BEL je Befund",
                               "BEMA+BEL gesamt",   "Abbrechen"};
    for (int i = 0; i < 8; ++i) {
        QPushButton *k = t.w().cmdDruckwahl[i];
        QCOMPARE(k->text(), namen[i]);
        QCOMPARE(k->parentWidget(), static_cast<QWidget *>(t.w().drkframe));
        const int top = i == 7 ? 480 : 1680 + 720 * i;
        QCOMPARE(k->geometry(), twRect(480, top, 1575, 495));
    }
    // The cancel button stands above all others although its index is the highest.
    for (int i = 0; i < 7; ++i)
        QVERIFY(t.w().cmdDruckwahl[7]->y() < t.w().cmdDruckwahl[i]->y());
}

void TstFensterControls::panelsLiegenUeberDenZeilen()
{
    Testfenster t;
    Main &w = t.w();
    const QObjectList kinder = w.children();
    auto stelle = [&](QObject *o) { return kinder.indexOf(o); };
    // Later children are drawn above earlier ones.
    for (QWidget *panel : {static_cast<QWidget *>(w.txtHilfe), static_cast<QWidget *>(w.txtanmerk),
                           static_cast<QWidget *>(w.drkframe)}) {
        QVERIFY(stelle(panel) > stelle(w.regio[19]));
        QVERIFY(stelle(panel) > stelle(w.erg_befsum[19]));
        QVERIFY(stelle(panel) > stelle(w.befwahl[0]));
    }
    QWidget *oben = w.childAt(w.regio[5]->geometry().center());
    QCOMPARE(oben ? oben->parentWidget() == w.txtHilfe || oben == w.txtHilfe : false, true);
}

void TstFensterControls::tabReihenfolge()
{
    Testfenster t;
    Main &w = t.w();
    // Show everything that Tab can reach so that the whole chain is walked.
    w.txtanmerk->show();
    w.druckwahl_zeigen();
    QList<QWidget *> erwartet;
    for (auto *r : w.regio)
        erwartet << r;
    erwartet << w.befwahl[0] << w.bonus[0] << w.Patient << w.cmdAufAb << w.cmdHilfe << w.cmdDrucken
             << w.txtHilfe;
    for (auto *k : w.cmdDruckwahl)
        erwartet << k;
    erwartet << w.txtnichtk << w.txtnichtz << w.cmdAnmerk << w.txtanmerk;

    w.regio[0]->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.regio[0]));
    for (int i = 1; i < erwartet.size(); ++i) {
        // Focus into a region box hides the help panel; bring it back for the rest of the walk.
        if (erwartet[i] == w.Patient)
            w.txtHilfe->show();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(QApplication::focusWidget() == erwartet[i],
                 qPrintable(QStringLiteral("step %1: focus on %2")
                                .arg(i)
                                .arg(QApplication::focusWidget()
                                         ? QApplication::focusWidget()->objectName()
                                         : QStringLiteral("nothing"))));
    }
    // With the print frame hidden again its buttons are skipped.
    w.cmdDruckwahl_Click(7);
    w.txtHilfe->setFocus();
    QTest::keyClick(w.txtHilfe, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.txtnichtk));
}

void TstFensterControls::tabSpringtVonLetzterRegionInDieListe()
{
    Testfenster t;
    t.klick(t.w().regio[19]);
    QTest::keyClick(t.w().regio[19], Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t.w().befwahl[0]));
}

void TstFensterControls::fokusAmStartInRegion0()
{
    Testfenster t;
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(t.w().regio[0]));
}

void TstFensterControls::listeUndGruppenAusDemKatalog()
{
    Testfenster t;
    QListWidget *l = t.w().befwahl[0];
    const QStringList erwartet = {"-Bitte wählen/löschen",
                                  "1 -Erhaltungswürdiger Zahn",
                                  "Krone je Zahn",
                                  "Lücke je Kiefer",
                                  "2 -Zahnbegrenzte Lücken",
                                  "Brücke",
                                  "Ohne Betrag"};
    QCOMPARE(l->count(), erwartet.size());
    for (int i = 0; i < erwartet.size(); ++i)
        QCOMPARE(l->item(i)->text(), erwartet[i]);
    QCOMPARE(t.w().befgr[0]->caption(), QString("1 -Erhaltungswürdiger Zahn"));
    QCOMPARE(t.w().befgr[1]->caption(), QString("2 -Zahnbegrenzte Lücken"));
    for (int k = 2; k < 8; ++k)
        QCOMPARE(t.w().befgr[k]->caption(), QString());
    QVERIFY(t.gesagt.meldungen.isEmpty());
}

void TstFensterControls::fehlenderKatalog()
{
    Testfenster t({{"hilfe.txt", alsDatei({"Hilfe"})}});
    QCOMPARE(t.w().befwahl[0]->count(), 0);
    QCOMPARE(t.gesagt.meldungen.size(), 1);
    const QString m = t.gesagt.meldungen.first();
    QVERIFY2(m.contains("„bef.txt“"), qPrintable(m));
    QVERIFY2(m.contains(QDir::toNativeSeparators(QDir::currentPath())), qPrintable(m));
    // The window is open and usable: the help can be read, a click on the empty list harms nothing.
    QVERIFY(t.w().isVisible());
    QVERIFY(t.w().txtHilfe->isVisible());
    t.w().befwahl_Click(0);
    QCOMPARE(t.w().festsum[0]->caption(), QString("0"));
}

void TstFensterControls::ueberzaehligeZeilenWerdenGemeldet()
{
    QStringList z = {"Kopf"};
    for (int i = 1; i <= 72; ++i)
        z << QStringLiteral("%1\tBefund %1\t\t\t1\t1\t1\t1\t-1\t-1\t-1\t-1").arg(i);
    Testfenster t({{"bef.txt", alsDatei(z)}});
    QCOMPARE(t.w().befwahl[0]->count(), 71);
    QCOMPARE(t.w().befwahl[0]->item(70)->text(), QString("Befund 70"));
    QCOMPARE(t.gesagt.meldungen.size(), 1);
    QVERIFY2(t.gesagt.meldungen.first().contains("Befund 71"),
             qPrintable(t.gesagt.meldungen.first()));
}

void TstFensterControls::leererKatalog()
{
    Testfenster t({{"bef.txt", QByteArray()}});
    QCOMPARE(t.w().befwahl[0]->count(), 0);
    QVERIFY(t.gesagt.meldungen.isEmpty());
}

void TstFensterControls::namenFuerBildschirmleser_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("gesprochen");
    // Labels that show data: what they are is their description; their name is their text.
    QTest::addColumn<bool>("beschreibung");
    QTest::newRow("regio(3) is row 4") << "regio3"
                                       << "Region, Zeile 4" << false;
    QTest::newRow("regio(19) is row 20") << "regio19"
                                         << "Region, Zeile 20" << false;
    QTest::newRow("festsum(1)") << "festsum1"
                                << "Summe Festzuschüsse, Bonus 20%" << true;
    QTest::newRow("eigenanteil(3)") << "eigenanteil3"
                                    << "Geschätzter Eigenanteil, Härtefall" << true;
    QTest::newRow("bonus(0), not Option2") << "bonus0"
                                           << "Bonusstufe ohne Bonus" << false;
    QTest::newRow("erg_befsum(0)") << "erg_befsum0"
                                   << "Summe, Zeile 1" << true;
    QTest::newRow("list") << "befwahl"
                          << "Befundauswahl" << false;
}

void TstFensterControls::namenFuerBildschirmleser()
{
    QFETCH(QString, name);
    QFETCH(QString, gesprochen);
    QFETCH(bool, beschreibung);
    Testfenster t;
    Main &w = t.w();
    const QMap<QString, QWidget *> m = {
        {"regio3", w.regio[3]},     {"regio19", w.regio[19]},
        {"festsum1", w.festsum[1]}, {"eigenanteil3", w.eigenanteil[3]},
        {"bonus0", w.bonus[0]},     {"erg_befsum0", w.erg_befsum[0]},
        {"befwahl", w.befwahl[0]}};
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(m.value(name));
    QVERIFY(a);
    QCOMPARE(a->text(beschreibung ? QAccessible::Description : QAccessible::Name), gesprochen);
    // The visible texts stay as designed.
    QCOMPARE(w.bonus[0]->text(), QString("Option2"));
    QCOMPARE(w.regio[3]->text(), QString());
}

void TstFensterControls::jedesBedienelementHatEinenNamen()
{
    Testfenster t;
    for (QWidget *c : t.w().findChildren<QWidget *>()) {
        // The controls a user reaches with Tab (not the inner parts of a list or a text box).
        const bool bedienelement = c->focusPolicy() != Qt::NoFocus
            && (c->parentWidget() == &t.w() || c->parentWidget() == t.w().drkframe);
        if (!bedienelement)
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
        QVERIFY(a);
        QVERIFY2(!a->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(c->objectName()));
    }
}

void TstFensterControls::autoSizePasstZurSchrift()
{
    Testfenster t;
    Main &w = t.w();
    // Labels that size themselves fit their caption in their own font, also where the font was
    // set after the caption.
    for (Beschriftung *l : {w.lblVelmar, w.lblsumfest, w.lblNichtzahn, w.lblNichtKiefer,
                            w.lblBonus[3], w.festsum[0], w.lblhead[2]}) {
        QVERIFY(l->autoSize());
        QCOMPARE(l->size(), l->sizeHint());
    }
    // Word wrap keeps the width and grows downwards.
    QCOMPARE(w.lblEigenanteil->width(), tw(1755));
    QCOMPARE(w.lblEigenanteil->height(), w.lblEigenanteil->heightForWidth(tw(1755)));
}

QTEST_MAIN(TstFensterControls)
#include "tst_fenster_controls.moc"
