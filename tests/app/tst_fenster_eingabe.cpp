// Plan entry on the real window, driven as a user would: region boxes, the finding list, bonus
// levels, result labels, exclusion boxes and detail labels.

#include "app/beschriftung.h"
#include "app/twips.h"
#include "testfenster.h"

#include <QApplication>
#include <QTest>

namespace {
// List entries of the test catalogue.
constexpr int klarEintrag = 0;
constexpr int ueberschrift1 = 1;
constexpr int krone = 2; // 61,78 / 70.06 / 75 / 100, at most 32 teeth
constexpr int luecke = 3; // 496,80 ..., one per jaw
constexpr int bruecke = 5; // limit fields empty: every limit 0
} // namespace

class TstFensterEingabe : public QObject
{
    Q_OBJECT

private slots:
    void typischeBenutzung();
    void ueberschriftAendertKeineZeile();
    void klarEintragLeertDieZeile();
    void letzteZeileBehaeltDieMarke();
    void gleicherBefundFuerZweiZeilen();
    void tastaturAuswahlInDerListe();
    void klickAufAnzahlWaehltZeile();
    void hilfeVerschwindetBeimErstenKlick();
    void regionNachDerWahlNeuGezaehlt();
    void regionJeKiefer_data();
    void regionJeKiefer();
    void leereGrenzenZaehlenEinmal();
    void haertefallZeigtStufeDrei();
    void ausschlussfelderWachsenBeimDruecken();
    void ausschlussTexteVomZuletztGeklickten();
    void detailLabelsWachsenBeimDruecken();
    void zuGrosseBetraege();
};

void TstFensterEingabe::typischeBenutzung()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(3, "11,12 21");
    QCOMPARE(w.plan.aktzeile, 3);
    t.listeKlick(krone);

    QCOMPARE(w.regio[3]->text(), QString("11 12 21"));
    QCOMPARE(w.plan.planwert[3][9], 3);
    QCOMPARE(w.erg_befund[3]->caption(), QString("1.1  Krone je Zahn"));
    QCOMPARE(w.erg_befund[3]->toolTip(), QString("weitgehende Zerstörung, je Zahn"));
    QCOMPARE(w.erg_anz[3]->caption(), QString("3"));
    QCOMPARE(w.erg_einfach[3]->caption(), QString("61,78"));
    QCOMPARE(w.erg_befsum[3]->caption(), QString("185,34"));
    QCOMPARE(w.erg_einfach[3]->toolTip(), QString("Zuschuß der gewählten Bonusstufe, je Befund"));
    QCOMPARE(w.erg_befsum[3]->toolTip(), QString("Zuschuß der gewählten Bonusstufe, Summe"));
    QCOMPARE(w.festsum[0]->caption(), QString("185,34"));
    QCOMPARE(w.festsum[1]->caption(), QString("210,18"));
    QCOMPARE(w.festsum[2]->caption(), QString("225"));
    QCOMPARE(w.festsum[3]->caption(), QString("300"));
    QCOMPARE(w.eigenanteil[0]->caption(), QString("114,66"));
    QCOMPARE(w.eigenanteil[3]->caption(), QString("0"));
    // Details of the finding clicked last.
    QCOMPARE(w.lblbefund[0]->caption(), QString("1.1"));
    QCOMPARE(w.lblbefund[1]->caption(), QString("Krone je Zahn"));
    QCOMPARE(w.lblbefund[2]->caption(), QString("weitgehende Zerstörung, je Zahn"));
    QCOMPARE(w.lblbefund[3]->caption(), QString("zählt je Zahn"));
    // The marker and the focus moved on to row 4.
    QCOMPARE(w.plan.aktzeile, 4);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.regio[4]));
    QCOMPARE(w.erg_befund[4]->palette().color(QPalette::Window), w.palette().color(QPalette::Base));
    QCOMPARE(w.erg_befund[3]->palette().color(QPalette::Window),
             w.palette().color(QPalette::Button));

    t.klick(w.lblBonus[1]); // the label is no button: nothing changes
    QCOMPARE(w.plan.aktbonus, 0);
    t.klick(w.bonus[1]);
    QCOMPARE(w.plan.aktbonus, 1);
    QCOMPARE(w.lblBonus[1]->frameShape(), QFrame::Box);
    QCOMPARE(w.lblBonus[0]->frameShape(), QFrame::NoFrame);
    QCOMPARE(w.erg_einfach[3]->caption(), QString("70,06"));
    QCOMPARE(w.erg_befsum[3]->caption(), QString("210,18"));
    QCOMPARE(w.festsum[0]->caption(), QString("185,34"));
    QCOMPARE(w.eigenanteil[1]->caption(), QString("89,82"));
}

void TstFensterEingabe::ueberschriftAendertKeineZeile()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(2, "11");
    t.listeKlick(ueberschrift1);
    QCOMPARE(w.lblbefund[0]->caption(), QString("1"));
    QCOMPARE(w.lblbefund[1]->caption(), QString("1 -Erhaltungswürdiger Zahn"));
    QCOMPARE(w.txtnichtz->toPlainText(), QString("Überschrift z"));
    QCOMPARE(w.txtnichtk->toPlainText(), QString("Überschrift k"));
    QCOMPARE(w.plan.aktzeile, 2);
    for (int i = 0; i < 20; ++i) {
        QVERIFY(!w.plan.hatBefund(i));
        QCOMPARE(w.erg_befund[i]->caption(), QString());
    }
    QCOMPARE(w.festsum[0]->caption(), QString("0"));
}

void TstFensterEingabe::klarEintragLeertDieZeile()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(5, "11 12");
    t.listeKlick(krone);
    QCOMPARE(w.festsum[0]->caption(), QString("123,56"));
    t.klick(w.regio[5]);
    t.listeKlick(klarEintrag);
    QVERIFY(!w.plan.hatBefund(5));
    QCOMPARE(w.erg_befund[5]->caption(), QString("  "));
    QCOMPARE(w.erg_befund[5]->toolTip(), QString());
    QCOMPARE(w.erg_anz[5]->caption(), QString());
    QCOMPARE(w.erg_einfach[5]->caption(), QString("0"));
    QCOMPARE(w.erg_befsum[5]->caption(), QString("0"));
    QCOMPARE(w.erg_einfach[5]->toolTip(), QString());
    QCOMPARE(w.erg_befsum[5]->toolTip(), QString());
    QCOMPARE(w.plan.planwert[5][9], 0);
    for (int b = 0; b < 4; ++b)
        QCOMPARE(w.festsum[b]->caption(), QString("0"));
    QCOMPARE(w.regio[5]->text(), QString("11 12")); // the region stays
    QCOMPARE(w.plan.aktzeile, 6);
    QCOMPARE(w.lblbefund[1]->caption(), QString());
}

void TstFensterEingabe::letzteZeileBehaeltDieMarke()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(19, "OK");
    t.listeKlick(krone);
    QVERIFY(w.plan.hatBefund(19));
    QCOMPARE(w.plan.aktzeile, 19);
    QCOMPARE(w.erg_anz[19]->caption(), QString("1"));
    // The list kept the focus; the next choice goes to row 19 again.
    t.listeKlick(luecke);
    QCOMPARE(w.plan.plantext[19][1], QString("Lücke je Kiefer"));
    QCOMPARE(w.plan.aktzeile, 19);
}

void TstFensterEingabe::gleicherBefundFuerZweiZeilen()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(0, "11");
    t.listeKlick(krone);
    QCOMPARE(w.plan.aktzeile, 1);
    // The entry is still selected: clicking it again puts it into row 1.
    QCOMPARE(w.befwahl[0]->currentRow(), krone);
    t.listeKlick(krone);
    QVERIFY(w.plan.hatBefund(0));
    QVERIFY(w.plan.hatBefund(1));
    QCOMPARE(w.plan.aktzeile, 2);
    QCOMPARE(w.festsum[0]->caption(), QString("123,56"));
    QVERIFY(!w.plan.hatBefund(2));
}

void TstFensterEingabe::tastaturAuswahlInDerListe()
{
    Testfenster t;
    Main &w = t.w();
    QListWidget *l = w.befwahl[0];
    t.tippeRegion(0, "11 12");
    l->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(l));
    QCOMPARE(w.regio[0]->text(), QString("11 12")); // evaluated as it lost the focus
    // Getting the focus makes the first entry current without choosing it.
    QCOMPARE(w.plan.aktzeile, 0);
    QVERIFY(!w.plan.hatBefund(0));
    QTest::keyClick(l, Qt::Key_Down);
    QCOMPARE(l->currentRow(), ueberschrift1); // a heading: no row, the marker stays
    QCOMPARE(w.plan.aktzeile, 0);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(l));
    QTest::keyClick(l, Qt::Key_Down);
    QCOMPARE(l->currentRow(), krone);
    QCOMPARE(w.plan.plantext[0][1], QString("Krone je Zahn"));
    QCOMPARE(w.erg_anz[0]->caption(), QString("2"));
    QCOMPARE(w.plan.aktzeile, 1);
    QVERIFY(!w.plan.hatBefund(1));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.regio[1]));

    // Back to the list: each move of the selection is one choice for the current row.
    l->setFocus();
    QTest::keyClick(l, Qt::Key_Down);
    QCOMPARE(l->currentRow(), luecke);
    QCOMPARE(w.plan.plantext[1][1], QString("Lücke je Kiefer"));
    QCOMPARE(w.plan.aktzeile, 2);
    QVERIFY(!w.plan.hatBefund(2));
    l->setFocus();
    QTest::keyClick(l, Qt::Key_Home); // the clear entry for row 2, which had nothing
    QCOMPARE(w.plan.aktzeile, 3);
    QVERIFY(!w.plan.hatBefund(2));
    QCOMPARE(w.erg_befund[2]->caption(), QString("  "));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.regio[3]));
}

void TstFensterEingabe::klickAufAnzahlWaehltZeile()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(2, "11, 12,13");
    t.klick(w.erg_anz[7]);
    QCOMPARE(w.plan.aktzeile, 7);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w.regio[7]));
    QCOMPARE(w.erg_befund[7]->palette().color(QPalette::Window), w.palette().color(QPalette::Base));
    QCOMPARE(w.erg_befund[2]->palette().color(QPalette::Window),
             w.palette().color(QPalette::Button));
    // Row 2 was evaluated as its box lost the focus.
    QCOMPARE(w.regio[2]->text(), QString("11  12 13"));
    // Without a finding every limit is 0 and active: the row counts once, and does not show it.
    QCOMPARE(w.plan.planwert[2][9], 1);
    QCOMPARE(w.erg_anz[2]->caption(), QString());

    for (const auto &feld : {w.erg_befund, w.erg_einfach, w.erg_befsum}) {
        t.klick(feld[11]);
        QCOMPARE(w.plan.aktzeile, 11);
        t.klick(feld[4]);
        QCOMPARE(w.plan.aktzeile, 4);
    }
}

void TstFensterEingabe::hilfeVerschwindetBeimErstenKlick()
{
    Testfenster t;
    Main &w = t.w();
    QVERIFY(w.txtHilfe->isVisible());
    QVERIFY(w.hilfe_gezeigt); // the focus of the start used up the first event
    t.klick(w.regio[0]);
    QVERIFY(!w.txtHilfe->isVisible());
    t.klick(w.cmdHilfe);
    QVERIFY(w.txtHilfe->isVisible());
    QTest::keyClick(w.cmdHilfe, Qt::Key_Tab); // on to the print button: no region box
    QVERIFY(w.txtHilfe->isVisible());
    w.regio[8]->setFocus(Qt::TabFocusReason); // the next focus into a region box hides it again
    QVERIFY(!w.txtHilfe->isVisible());
}

void TstFensterEingabe::regionNachDerWahlNeuGezaehlt()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(0, "11");
    t.listeKlick(krone);
    QCOMPARE(w.erg_befsum[0]->caption(), QString("61,78"));
    t.tippeRegion(0, "11 12 13 14");
    t.klick(w.regio[1]);
    QCOMPARE(w.erg_anz[0]->caption(), QString("4"));
    QCOMPARE(w.erg_befsum[0]->caption(), QString("247,12"));
    QCOMPARE(w.festsum[0]->caption(), QString("247,12"));
    t.tippeRegion(0, "ok 19");
    t.klick(w.regio[1]);
    QCOMPARE(w.regio[0]->text(), QString("OK 1")); // the 9 is dropped, 1 names no tooth
    QCOMPARE(w.erg_anz[0]->caption(), QString("1"));
}

void TstFensterEingabe::regionJeKiefer_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anzahl");
    QTest::newRow("OK counts one jaw") << "ok"
                                       << "OK" << 1;
    QTest::newRow("OK UK counts two jaws") << "OK UK"
                                           << "OK UK" << 2;
    QTest::newRow("teeth of both jaws") << "11;12;31"
                                        << "11 12 31" << 2;
    QTest::newRow("18UK: tooth 18 and the lower jaw") << "18uk"
                                                      << "18UK" << 2;
    QTest::newRow("deciduous 55 names nothing") << "55"
                                                << "55" << 1;
}

void TstFensterEingabe::regionJeKiefer()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, text);
    QFETCH(int, anzahl);
    Testfenster t;
    t.tippeRegion(0, eingabe);
    t.listeKlick(luecke);
    QCOMPARE(t.w().regio[0]->text(), text);
    QCOMPARE(t.w().erg_anz[0]->caption(), QString::number(anzahl));
    QCOMPARE(t.w().plan.planwert[0][9], anzahl);
}

void TstFensterEingabe::leereGrenzenZaehlenEinmal()
{
    Testfenster t;
    t.tippeRegion(0, "11 12 13 21 22");
    t.listeKlick(bruecke);
    QCOMPARE(t.w().erg_anz[0]->caption(), QString("1"));
    QCOMPARE(t.w().erg_befsum[0]->caption(), QString("487,04"));
}

void TstFensterEingabe::haertefallZeigtStufeDrei()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(0, "11 12 13");
    t.listeKlick(krone);
    t.listeKlick(luecke); // row 1, empty region: counts once
    const QString eigen0 = w.eigenanteil[0]->caption();
    const QString eigen1 = w.eigenanteil[1]->caption();
    t.klick(w.bonus[3]);
    QCOMPARE(w.plan.aktbonus, 3);
    QCOMPARE(w.erg_einfach[0]->caption(), QString("100"));
    QCOMPARE(w.erg_befsum[0]->caption(), QString("300"));
    QCOMPARE(w.erg_einfach[1]->caption(), QString("828"));
    QCOMPARE(w.erg_befsum[1]->caption(), QString("828"));
    QCOMPARE(w.festsum[3]->caption(), QString("1128"));
    QCOMPARE(w.eigenanteil[3]->caption(), QString("0"));
    QCOMPARE(w.eigenanteil[0]->caption(), eigen0);
    QCOMPARE(w.eigenanteil[1]->caption(), eigen1);
    QCOMPARE(eigen0, QString("445,86")); // 1128 - (185,34 + 496,80)
}

void TstFensterEingabe::ausschlussfelderWachsenBeimDruecken()
{
    Testfenster t;
    Main &w = t.w();
    t.listeKlick(krone);
    for (QPlainTextEdit *box : {w.txtnichtz, w.txtnichtk}) {
        QTest::mousePress(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(box->height(), tw(750));
        QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(box->height(), tw(285));
        QTest::mousePress(box->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(box->height(), tw(750));
        QTest::mouseRelease(box->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(box->height(), tw(285));
    }
    // Whatever happened in a box while it had the focus is undone when it loses it.
    w.txtnichtz->setFocus();
    w.txtnichtz->setPlainText("verändert");
    w.regio[0]->setFocus();
    QCOMPARE(w.txtnichtz->toPlainText(), QString("13b 13c"));
    w.txtnichtk->setFocus();
    w.txtnichtk->setPlainText("verändert");
    w.Patient->setFocus();
    QCOMPARE(w.txtnichtk->toPlainText(), QString("kein OK-Verband"));
}

void TstFensterEingabe::ausschlussTexteVomZuletztGeklickten()
{
    Testfenster t;
    Main &w = t.w();
    t.klick(w.regio[3]);
    t.listeKlick(krone);
    QCOMPARE(w.nichtz_text, QString("13b 13c"));
    t.listeKlick(luecke); // row 4
    QCOMPARE(w.txtnichtz->toPlainText(), QString());
    QCOMPARE(w.txtnichtk->toPlainText(), QString());
    // Selecting a row changes nothing in them.
    t.listeKlick(krone);
    t.klick(w.erg_befund[4]);
    QCOMPARE(w.txtnichtz->toPlainText(), QString("13b 13c"));
}

void TstFensterEingabe::detailLabelsWachsenBeimDruecken()
{
    Testfenster t;
    Main &w = t.w();
    for (int i : {0, 1}) {
        const QRect vorher = w.lblbefund[i]->geometry();
        QTest::mousePress(w.lblbefund[i], Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(w.lblbefund[i]->geometry(), vorher);
        QVERIFY(w.txtnichtz->isVisible());
        QTest::mouseRelease(w.lblbefund[i], Qt::LeftButton, {}, QPoint(3, 3));
    }
    QTest::mousePress(w.lblbefund[2], Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(w.lblbefund[2]->height(), tw(1500));
    QVERIFY(w.txtnichtz->isVisible());
    QTest::mouseRelease(w.lblbefund[2], Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(w.lblbefund[2]->height(), tw(855));

    QTest::mousePress(w.lblbefund[3], Qt::MiddleButton, {}, QPoint(3, 3));
    QCOMPARE(w.lblbefund[3]->height(), tw(1500));
    for (QWidget *c :
         {static_cast<QWidget *>(w.lblNichtzahn), static_cast<QWidget *>(w.txtnichtz),
          static_cast<QWidget *>(w.lblNichtKiefer), static_cast<QWidget *>(w.txtnichtk)})
        QVERIFY(!c->isVisible());
    QTest::mouseRelease(w.lblbefund[3], Qt::MiddleButton, {}, QPoint(3, 3));
    QCOMPARE(w.lblbefund[3]->height(), tw(855));
    for (QWidget *c :
         {static_cast<QWidget *>(w.lblNichtzahn), static_cast<QWidget *>(w.txtnichtz),
          static_cast<QWidget *>(w.lblNichtKiefer), static_cast<QWidget *>(w.txtnichtk)})
        QVERIFY(c->isVisible());
}

void TstFensterEingabe::zuGrosseBetraege()
{
    auto zeile = [](const QStringList &f) { return f.join(u'\t'); };
    const QStringList kat = {
        "Kopf",
        zeile({"8.1", "Riesig", "", "", "1e999", "214748,3647", "900000000000", "-7,5", "99999",
               "-1", "-1", "-1"}),
    };
    Testfenster t({{"bef.txt", alsDatei(kat)}});
    Main &w = t.w();
    t.tippeRegion(0, "11 12");
    t.listeKlick(1);
    // Level 0: an amount that is no number is never shown as one.
    QCOMPARE(w.erg_einfach[0]->caption(), QString("Überlauf"));
    QCOMPARE(w.festsum[0]->caption(), QString("Überlauf"));
    QCOMPARE(w.eigenanteil[0]->caption(), QString("Überlauf"));
    // Past the old 32-bit end, still exact.
    t.klick(w.bonus[1]);
    QCOMPARE(w.erg_einfach[0]->caption(), QString("214748,3647"));
    QCOMPARE(w.erg_befsum[0]->caption(), QString("429496,7294"));
    t.klick(w.bonus[2]);
    QCOMPARE(w.erg_befsum[0]->caption(), QString("1800000000000"));
    QCOMPARE(w.eigenanteil[2]->caption(), QString("-1800000000015")); // 2 x -7,5 is -15
    t.klick(w.bonus[3]);
    QCOMPARE(w.erg_einfach[0]->caption(), QString("-7,5"));
    // Many rows of the largest amount: a sum past 64 bits shows the marker, nothing wraps.
    for (int row = 1; row < 20; ++row) {
        t.tippeRegion(row, QString("11 ").repeated(500));
        t.listeKlick(1);
    }
    QCOMPARE(w.festsum[2]->caption(), QString("Überlauf"));
    QCOMPARE(w.festsum[1]->caption(), QString("2040538961,3794"));
    QCOMPARE(w.eigenanteil[2]->caption(), QString("Überlauf"));
}

QTEST_MAIN(TstFensterEingabe)
#include "tst_fenster_eingabe.moc"
