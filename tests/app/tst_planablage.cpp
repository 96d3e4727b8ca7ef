// Plans kept in files, on the real window: saved with Strg+S and opened with Strg+O in a fresh
// window, opened with a changed catalogue, damaged files, and a report as PDF with Strg+P.

#include "app/beschriftung.h"
#include "app/uebersetzung.h"
#include "druck/aufzeichnung.h"
#include "druck/weiterleitung.h"
#include "testfenster.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

namespace {

// Answers the file dialogs with the test's path and keeps what the print runs draw. The window
// owns it: made with new, it lives as long as the window.
struct Ablage : TestDialoge
{
    explicit Ablage(Testfenster &t) : TestDialoge(t.gesagt), w(t.w())
    {
        w.setDialoge(std::unique_ptr<Dialoge>(this));
        w.setDruckerFabrik([this] { return std::make_unique<Weiterleitung>(drucker); });
        w.setPdfFabrik([this](const QString &p) {
            pdfPfade << p;
            return std::make_unique<Weiterleitung>(pdf);
        });
    }
    QString planSpeicherort(const QString &v) override { return vorschlag = v, pfad; }
    QString planDatei() override { return pfad; }
    void taste(Qt::Key k) { QTest::keyClick(&w, k, Qt::ControlModifier); }

    Main &w;
    QString pfad, vorschlag;
    QStringList pdfPfade;
    Aufzeichnung drucker, pdf;
};

// What the window shows of the plan, one entry per row and per level.
QStringList ansicht(Main &w)
{
    const auto text = [&w](const QString &name, int i = -1) { // whole captions of labels
        QWidget *c = control(w, i < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(i));
        auto *l = qobject_cast<Beschriftung *>(c);
        return l ? l->caption() : c->property("text").toString();
    };
    QStringList a {text("Patient")};
    for (int b = 0; b < 4; ++b)
        a << QStringLiteral("%1|%2|%3")
                 .arg(control<QRadioButton>(w, QStringLiteral("bonus(%1)").arg(b))->isChecked())
                 .arg(text("festsum", b), text("eigenanteil", b));
    for (int r = 0; r < PlanState::zeilen; ++r)
        a << QStringList {text("regio", r),
                          text("erg_befund", r),
                          text("erg_anz", r),
                          text("erg_einfach", r),
                          text("erg_befsum", r),
                          control(w, QStringLiteral("erg_befund(%1)").arg(r))->toolTip()}
                 .join(u'|');
    return a;
}

// Every line of every page; the time of day of the print run is not part of the plan.
QStringList bericht(const Aufzeichnung &a)
{
    QStringList zeilen;
    for (int s = 1; s <= a.seiten(); ++s)
        zeilen << a.seitenBild(s, a.breite() / 10);
    zeilen.replaceInStrings(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d(:\\d\\d)?")),
                            QStringLiteral("Zeit"));
    return zeilen;
}

// What the chart dialog shows: each tooth field in the order of the form, the answers ticked,
// the care of both jaws.
QStringList schemaAnsicht(Main &w)
{
    QStringList a;
    for (Kiefer k : {Kiefer::OK, Kiefer::UK})
        for (int fdi : Zahnschema::bogen(k))
            a << control<QLineEdit>(w, QStringLiteral("zahn(%1)").arg(fdi))->text();
    for (QCheckBox *b : w.findChildren<QCheckBox *>())
        if (b->isChecked())
            a << b->objectName();
    for (int k = 0; k < 2; ++k)
        a << control<QComboBox>(w, QStringLiteral("versorgung(%1)").arg(k))->currentText();
    return a;
}

QString testdatei(const char *name)
{
    QFile f(QStringLiteral(KALVOMAT_TESTDATA "/plandateien/") + QString::fromUtf8(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class TstPlanablage : public QObject
{
    Q_OBJECT

private slots:
    void rundreise_data();
    void rundreise();
    void geaenderterKatalog();
    void beschaedigteDatei_data();
    void beschaedigteDatei();
    void speichernScheitert();
    void deutscheDialoge();
    void zahnschemaRundreise();
};

void TstPlanablage::rundreise_data()
{
    QTest::addColumn<int>("stufe");
    for (int b = 0; b < 4; ++b)
        QTest::addRow("Bonusstufe %d", b) << b;
}

void TstPlanablage::rundreise()
{
    QFETCH(int, stufe);
    QTemporaryDir ablage;
    const QString datei = ablage.filePath(QStringLiteral("plan.kplan"));
    QStringList vorher, berichtVorher;
    {
        Testfenster t;
        Ablage &a = *new Ablage(t);
        const int befunde[] = {2, 3, 5, 6, 2};
        const char *regionen[] = {"11,12 21", "ok", "uk 31", "18UK", "", "21 22 23", "55"};
        for (int row = 0; row < PlanState::zeilen; ++row) {
            t.tippeRegion(row, QString::fromUtf8(regionen[row % 7]));
            t.listeKlick(befunde[row % 5]);
        }
        t.c<QLineEdit>("Patient")->setText(QStringLiteral(" .Müller-Lüdenscheidt, Jörg Ömer ß!"));
        t.klick(t.c(QStringLiteral("bonus(%1)").arg(stufe)));
        a.pfad = datei;
        a.taste(Qt::Key_S);
        QCOMPARE(a.vorschlag,
                 QStringLiteral("Müller-Lüdenscheidt_Jörg_Ömer_ß_%1.kplan")
                     .arg(QDate::currentDate().toString(Qt::ISODate)));
        vorher = ansicht(t.w());
        t.klick(t.c("cmdDrucken"));
        t.klick(t.c("cmdDruckwahl(6)"));
        berichtVorher = bericht(a.drucker);
    }
    Testfenster t;
    Ablage &a = *new Ablage(t);
    a.pfad = datei;
    a.taste(Qt::Key_O);
    QCOMPARE(t.gesagt.meldungen, QStringList());
    QCOMPARE(ansicht(t.w()), vorher);
    QVERIFY(t.c("txtHilfe")->isHidden());

    // Strg+P: the print choice as "Drucken" shows it, the report goes into the PDF file.
    t.gesagt.pdfPfad = ablage.filePath(QStringLiteral("bericht.pdf"));
    a.taste(Qt::Key_P);
    QVERIFY(t.c("drkframe")->isVisible());
    t.klick(t.c("cmdDruckwahl(6)"));
    QCOMPARE(a.pdfPfade, QStringList {t.gesagt.pdfPfad});
    QCOMPARE(bericht(a.pdf), berichtVorher);
    // The next print choice prints again.
    t.klick(t.c("cmdDrucken"));
    t.klick(t.c("cmdDruckwahl(6)"));
    QCOMPARE(bericht(a.drucker), berichtVorher);
    QCOMPARE(a.pdfPfade.size(), 1);
}

void TstPlanablage::geaenderterKatalog()
{
    // Today's catalogue: the crown costs more and is the first entry (its heading is gone), the
    // bridge has another text, "Ohne Betrag" counts at most 2.
    QStringList katalog = katalogZeilen();
    katalog.removeAt(1);
    katalog.replaceInStrings(QStringLiteral("2.1\tBrücke"), QStringLiteral("2.1\tBrückenglied"));
    katalog.replaceInStrings(QStringLiteral("\t61,78\t"), QStringLiteral("\t62,50\t"));
    katalog.replaceInStrings(QStringLiteral("Katalog\t\t\t\t\t\t-1\t"),
                             QStringLiteral("Katalog\t\t\t\t\t\t2\t"));
    auto dateien = Testfenster::standardDateien();
    dateien[0].second = alsDatei(katalog);
    Testfenster t(dateien);
    Ablage &a = *new Ablage(t);
    a.pfad = QStringLiteral(KALVOMAT_TESTDATA "/plandateien/geaenderter_katalog.kplan");
    a.taste(Qt::Key_O);
    const QStringList erwartet = testdatei("geaenderter_katalog.erwartet").split("\nFenster:\n");
    QCOMPARE(t.gesagt.meldungen, QStringList {erwartet[0].arg(a.pfad)});
    QCOMPARE(ansicht(t.w()).mid(0, 10), erwartet[1].split(u'\n', Qt::SkipEmptyParts));
}

void TstPlanablage::beschaedigteDatei_data()
{
    // Every reason of the reader reaches the window alike (the reasons: the core's table
    // plandatei.txt); one that the reader gives, one too large for it, and a file not there.
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("grund");
    QTest::newRow("leer") << "leer.kplan"
                          << "Die Datei ist leer.";
    QTest::newRow("zu groß") << "zu_gross.kplan"
                             << "Die Datei ist größer als 1 MB und damit keine Kalvomat-Plandatei.";
    QTest::newRow("nicht da") << "gibt_es_nicht.kplan"
                              << "Die Datei ist nicht da oder nicht lesbar.";
}

void TstPlanablage::beschaedigteDatei()
{
    QFETCH(QString, datei);
    QFETCH(QString, grund);
    Testfenster t;
    Ablage &a = *new Ablage(t);
    t.tippeRegion(0, QStringLiteral("21"));
    t.listeKlick(3);
    t.klick(t.c("bonus(3)"));
    const QStringList vorher = ansicht(t.w());
    a.pfad = QStringLiteral(KALVOMAT_TESTDATA "/plandateien/") + datei;
    a.taste(Qt::Key_O);
    QCOMPARE(t.gesagt.meldungen,
             QStringList {QStringLiteral("Die Plandatei „%1“ kann nicht geöffnet werden.\n\n%2\n\n"
                                         "Der Plan im Fenster bleibt unverändert.")
                              .arg(a.pfad, grund)});
    QCOMPARE(ansicht(t.w()), vorher);
}

void TstPlanablage::speichernScheitert()
{
    Testfenster t;
    Ablage &a = *new Ablage(t);
    a.pfad = t.pfad(QStringLiteral("bef.txt/plan.kplan"));
    a.taste(Qt::Key_S);
    QCOMPARE(t.gesagt.meldungen.size(), 1);
    QVERIFY(t.gesagt.meldungen[0].startsWith(
        QStringLiteral("Der Plan konnte nicht in „%1“ gespeichert werden (").arg(a.pfad)));
}

// Qt's dialogs as the window opens them: the print failure's question, and the save dialog over
// an existing file with the question before it is replaced. Each is answered once it is open.
void TstPlanablage::deutscheDialoge()
{
    QVERIFY(qtTexteLaden(*qApp));
    Testfenster t;
    FensterDialoge d(&t.w());
    QStringList gesehen;
    const auto texte = [&](QWidget *w) {
        for (auto *l : w->findChildren<QLabel *>())
            gesehen << l->text();
        for (auto *k : w->findChildren<QPushButton *>())
            gesehen << k->text() + (k->isDefault() ? QStringLiteral(" (Vorgabe)") : QString());
    };
    QTimer::singleShot(0, [&] {
        auto *box = static_cast<QMessageBox *>(QApplication::activeModalWidget());
        texte(box);
        box->button(QMessageBox::No)->click();
    });
    QVERIFY(!d.frage(QStringLiteral("Drucken?")));
    QCOMPARE(gesehen, QStringList({"", "Drucken?", "&Ja (Vorgabe)", "&Nein"}));
    gesehen.clear();

    QFile vorhanden(t.pfad(QStringLiteral("plan.kplan")));
    QVERIFY(vorhanden.open(QIODevice::WriteOnly));
    QTimer::singleShot(0, [&] {
        auto *dialog = static_cast<QFileDialog *>(QApplication::activeModalWidget());
        texte(dialog);
        QTimer::singleShot(0, [&] {
            auto *frage = static_cast<QMessageBox *>(QApplication::activeModalWidget());
            texte(frage);
            frage->defaultButton()->click();
        });
        QMetaObject::invokeMethod(dialog, "accept");
        dialog->reject();
    });
    QCOMPARE(d.planSpeicherort(QStringLiteral("plan.kplan")), QString());
    QCOMPARE(gesehen,
             QStringList({"Suchen in:", "Datei&name:", "Dateien des Typs:", "S&peichern (Vorgabe)",
                          "Abbrechen", "",
                          "Die Datei plan.kplan existiert bereits.\nSoll sie überschrieben werden?",
                          "&Ja", "&Nein (Vorgabe)"}));
}

QTEST_MAIN(TstPlanablage)
#include "tst_planablage.moc"

// The chart typed in the dialog is saved with the plan (Strg+S in the dialog) and comes back in
// a fresh window with Strg+O, into the dialog that is open already.
void TstPlanablage::zahnschemaRundreise()
{
    QTemporaryDir ablage;
    const QString datei = ablage.filePath(QStringLiteral("schema.kplan"));
    QStringList vorher;
    {
        Testfenster t;
        Ablage &a = *new Ablage(t);
        a.taste(Qt::Key_B);
        for (const auto &[zahn, kuerzel] : {std::pair {17, "f"}, {16, "KW"}, {36, "x"}, {45, ")("}})
            QTest::keyClicks(t.c(QStringLiteral("zahn(%1)").arg(zahn)), QString::fromUtf8(kuerzel));
        t.klick(t.c("keinAnker(18)"));
        auto *uk = t.c<QComboBox>("versorgung(1)");
        uk->setFocus();
        QTest::keyClicks(uk, QStringLiteral("De"));
        vorher = schemaAnsicht(t.w());
        QCOMPARE(vorher.mid(32), (QStringList {"keinAnker(18)", "keine", "Deckprothese"}));
        a.pfad = datei;
        QTest::keyClick(t.c("zahn(36)"), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!t.w().editor().ungesichert());
    }
    Testfenster t;
    Ablage &a = *new Ablage(t);
    a.taste(Qt::Key_B);
    QCOMPARE(schemaAnsicht(t.w()).first(32), QStringList(32, QString()));
    a.pfad = datei;
    QTest::keyClick(t.c("zahn(11)"), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(t.gesagt.meldungen, QStringList());
    // The codes come back as the file keeps them: in small letters.
    vorher.replaceInStrings(QStringLiteral("KW"), QStringLiteral("kw"));
    QCOMPARE(schemaAnsicht(t.w()), vorher);
}
