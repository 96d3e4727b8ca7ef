// The real window played through the scenario scripts in tests/app/szenarien (their commands are
// described at the top of start.txt): each scenario opens a fresh Main in a temporary working
// folder, sends a user's clicks and keys with QTest and checks what the window then shows.
// Reports go to a recording surface and are compared with tests/app/berichte/<name>.txt; run the
// test with KALVOMAT_ERWARTUNG_SCHREIBEN=1 to write the reports as printed into those files.

#include "../faelle.h"
#include "app/beschriftung.h"
#include "app/twips.h"
#include "druck/aufzeichnung.h"
#include "druck/weiterleitung.h"
#include "plan/geld.h"
#include "plattform/browser.h"
#include "testfenster.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableWidget>

#include <random>

namespace {

// The control "regio 3" (an element of a control array) or "cmdDrucken" (a single control, whose
// index a random action may name too); null when the window has no such control.
QWidget *finde(const Main &w, const QString &name)
{
    const QString n = name.section(u' ', 0, 0), i = name.section(u' ', 1, 1);
    QWidget *c = i.isEmpty() ? nullptr : w.findChild<QWidget *>(n + u'(' + i + u')');
    return c || n.isEmpty() ? c : w.findChild<QWidget *>(n);
}

struct Oeffner : Seitenoeffner
{
    bool oeffnen(const QUrl &adresse) override
    {
        return geoeffnet << adresse.toLocalFile(), gelingt;
    }
    inline static bool gelingt = true;
    inline static QStringList geoeffnet;
};

// All pages of a recording, each line as "x:text|x:text" in column units; "-" when empty. A page
// whose lines run past its foot says so.
QString bericht(const Aufzeichnung &a)
{
    QString aus;
    for (int s = 1; !a.eintraege().isEmpty() && s <= a.seiten(); ++s)
        aus += QStringLiteral("=== Seite %1\n").arg(s)
            + a.seitenBild(s, a.breite() / 10).join(u'\n') + u'\n'
            + (a.zeilenAnzahl(s) * a.metrik().zeilenHoehe > a.hoehe() ? "past the foot\n" : "");
    static const QRegularExpression uhr(R"(\|7:\d\d\.\d\d\.\d\d\|8:\d\d:\d\d)");
    return aus.isEmpty() ? QStringLiteral("-\n") : aus.replace(uhr, "|7:<Datum>|8:<Zeit>");
}

// What no action may break: the window shows the editor's plan. Each row shows its finding, its
// count and the amounts of the chosen level (its region too, unless its box is being typed in);
// each total is the sum of its rows, each own share level 3 minus its level; the details show the
// finding chosen last, which the list highlights; exactly the current row is marked; the patient's
// name and the chosen level are the plan's. Empty while all holds.
QString verletzt(Main &w)
{
    const PlanState &plan = w.editor().plan();
    const QLocale locale = geld::anzeigeLocale();
    const auto text = [&w](const QString &name, int i) { // the whole caption of a label
        return control<Beschriftung>(w, QStringLiteral("%1(%2)").arg(name).arg(i))->caption();
    };
    for (int b = 0; b < 4; ++b) {
        Geld summe = 0;
        for (const Planzeile &z : plan.zeile)
            summe = geld::plus(summe, z.summe[b]);
        if (text("festsum", b) != geld::text(summe, locale)
            || text("eigenanteil", b) != geld::text(geld::minus(plan.festsumme[3], summe), locale))
            return QStringLiteral("level %1 shows %2 and %3")
                .arg(b)
                .arg(text("festsum", b), text("eigenanteil", b));
    }
    for (int i = 0; i < PlanState::zeilen; ++i) {
        const Planzeile &z = plan.zeile[i];
        const QString befund = z.befund > 0 ? z.befnr.trimmed() + "  " + z.beftext : QString();
        const QStringList soll {befund, befund.trimmed().isEmpty() ? "" : QString::number(z.anzahl),
                                geld::text(z.einfach[plan.aktbonus], locale),
                                geld::text(z.summe[plan.aktbonus], locale)};
        const QStringList ist {text("erg_befund", i), text("erg_anz", i), text("erg_einfach", i),
                               text("erg_befsum", i)};
        auto *region = control<QLineEdit>(w, QStringLiteral("regio(%1)").arg(i));
        if (ist != soll || (!region->hasFocus() && region->text() != z.region))
            return QStringLiteral("row %1 shows %2 for %3")
                .arg(i)
                .arg(ist.join(u'|'), soll.join(u'|') + u'|' + z.region);
        if ((control(w, QStringLiteral("erg_befund(%1)").arg(i))->palette().color(QPalette::Window)
             == w.palette().color(QPalette::Base))
            != (i == plan.aktzeile))
            return QStringLiteral("row %1 is marked wrongly, the current row is %2")
                .arg(i)
                .arg(plan.aktzeile);
    }
    const Befund &b = w.editor().katalog().befund(w.editor().gezeigt());
    if (text("lblbefund", 0) != b.befnr || text("lblbefund", 1) != b.beftext)
        return "the details show " + text("lblbefund", 1) + " instead of " + b.beftext;
    const QList<QListWidgetItem *> markiert =
        control<QListWidget>(w, "befwahl(0)")->selectedItems();
    if (!markiert.isEmpty() && markiert[0]->listWidget()->row(markiert[0]) != w.editor().gezeigt())
        return "the list highlights " + markiert[0]->text() + ", the details show " + b.beftext;
    if (control<QLineEdit>(w, "Patient")->text() != plan.patient
        || !control<QRadioButton>(w, QStringLiteral("bonus(%1)").arg(plan.aktbonus))->isChecked())
        return QStringLiteral("the patient or the level is not the plan's");
    return {};
}

struct Spieler
{
    QList<QPair<QString, QByteArray>> dateien = Testfenster::standardDateien();
    std::unique_ptr<Testfenster> t;
    // Each print run starts a fresh recording with the page and the failures the scenario set,
    // and notes whether the print choice was on screen.
    Aufzeichnung::Metrik seite;
    bool druckerBereit = true, druckerEnde = true, pdfBereit = true, rahmenSichtbar = false;
    Aufzeichnung drucker, pdf;

    Main &w()
    {
        if (t)
            return t->w();
        t = std::make_unique<Testfenster>(dateien);
        t->w().setDruckerFabrik([this] {
            drucker = Aufzeichnung(seite);
            drucker.setBereit(druckerBereit);
            drucker.setDokumentEndeGelingt(druckerEnde);
            rahmenSichtbar = t->c("drkframe")->isVisible();
            return std::make_unique<Weiterleitung>(drucker);
        });
        t->w().setPdfFabrik([this](const QString &) {
            pdf = Aufzeichnung();
            pdf.setBereit(pdfBereit);
            rahmenSichtbar = t->c("drkframe")->isVisible();
            return std::make_unique<Weiterleitung>(pdf);
        });
        t->w().setSeitenoeffner(std::make_unique<Oeffner>());
        Oeffner::gelingt = true;
        Oeffner::geoeffnet.clear();
        return t->w();
    }

    // "regio 3" or "cmdDrucken"
    QWidget *ctl(const QString &name)
    {
        QWidget *c = finde(w(), name);
        if (!c)
            qFatal("unknown control %s", qPrintable(name));
        return c;
    }

    void zeile(const QString &z);
};

void Spieler::zeile(const QString &z)
{
    const qsizetype gleich = z.indexOf(QStringLiteral(" = "));
    const QString kopf = gleich < 0 ? z : z.first(gleich);
    const QString befehl = kopf.section(u' ', 0, 0), links = kopf.section(u' ', 1);
    const QString soll = gleich < 0 ? QString() : entschluesseln(z.mid(gleich + 3));
    const QStringList teile = links.split(u' ');
    // Before the window opens: its working folder, printer and PDF file.
    if (befehl == u"datei") {
        dateien.removeIf([&](const auto &d) { return d.first == teile[0]; });
        if (teile.value(1) != u"fehlt")
            dateien.append(
                {teile[0],
                 teile.size() == 1 ? soll.toLatin1() : alsDatei(katalogZeilen(teile[1]))});
    } else if (befehl == u"drucker") {
        druckerBereit = links != u"fehlt";
        druckerEnde = links != u"scheitert";
    } else if (befehl == u"pdf") {
        pdfBereit = links != u"fehlt";
        w();
        t->gesagt.antwort = true;
        t->gesagt.pdfPfad = links == u"abgebrochen" ? QString() : t->pfad("plan.pdf");
    } else if (befehl == u"plandatei") { // from testdata/plandateien, if it is there
        w();
        t->gesagt.planPfad = t->pfad(links);
        QFile::copy(KALVOMAT_TESTDATA "/plandateien/" + links, t->gesagt.planPfad);
    } else if (befehl == u"antwort") {
        w();
        t->gesagt.sichern = links == u"Speichern" ? Dialoge::Sichern::speichern
            : links == u"Verwerfen"               ? Dialoge::Sichern::verwerfen
                                                  : Dialoge::Sichern::abbrechen;
    } else if (befehl == u"schliesse") { // the window's close button
        w().windowHandle()->close();
    } else if (befehl == u"schreibe") {
        w();
        QTest::keyClicks(QApplication::focusWidget(), links);
    } else if (befehl == u"seitenhoehe") {
        seite.hoehe = links.toDouble();
    } else if (befehl == u"supportseite") {
        QFile datei(QCoreApplication::applicationDirPath() + "/linkzuvelmar.html");
        QVERIFY(links == u"ja" ? datei.open(QIODevice::WriteOnly)
                               : !datei.exists() || datei.remove());
    } else if (befehl == u"browser") {
        w();
        QProcessEnvironment ohne; // PATH names a folder that does not exist
        ohne.insert(QStringLiteral("PATH"), t->pfad("bin"));
        if (links == u"keiner") // the desktop's own opener
            w().setSeitenoeffner(std::make_unique<DesktopSeitenoeffner>(ohne));
        Oeffner::gelingt = false;
    } else if (befehl == u"klick") { // what the user does
        QWidget *c = ctl(links); // opens the window first
        if (auto *l = qobject_cast<QListWidget *>(c); l && l->currentItem()) // on that entry
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                              l->visualItemRect(l->currentItem()).center());
        else
            t->klick(c);
    } else if (befehl == u"klickbei") { // on whatever lies on top at that point of the window
        const QPoint p(teile[0].toInt(), teile[1].toInt());
        if (QWidget *oben = w().childAt(p))
            QTest::mouseClick(oben, Qt::LeftButton, {}, oben->mapFrom(&w(), p));
    } else if (befehl == u"liste") {
        w();
        t->listeKlick(links.toInt());
    } else if (befehl == u"tippe") { // "tippe regio 3 TEXT", "tippe Patient TEXT"
        const int n = teile[0] == u"Patient" ? 1 : 2;
        auto *box = static_cast<QLineEdit *>(ctl(links.section(u' ', 0, n - 1)));
        t->klick(box);
        box->selectAll();
        QTest::keyClicks(box, entschluesseln(links.section(u' ', n)));
    } else if (befehl == u"taste") {
        const QKeyCombination taste = QKeySequence::fromString(links)[0];
        w();
        // A popup list that holds no focus of its own (the codes of a tooth field) has the
        // keyboard, as the platform gives it.
        QWidget *ziel = QApplication::focusWidget();
        if (QWidget *popup = QApplication::activePopupWidget(); popup && !popup->isAncestorOf(ziel))
            ziel = popup;
        QTest::keyClick(ziel, taste.key(), taste.keyboardModifiers());
        // A window the key opened (the chart dialog) is activated by the platform.
        QCoreApplication::processEvents();
    } else if (befehl == u"druecke" || befehl == u"lasse") { // near the top left corner
        using Maus = void (*)(QWidget *, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int);
        QWidget *c = ctl(QString(links).remove(QStringLiteral(" rechts")));
        auto *box = qobject_cast<QAbstractScrollArea *>(c);
        (befehl == u"druecke" ? Maus(QTest::mousePress) : Maus(QTest::mouseRelease))(
            box ? box->viewport() : c,
            links.endsWith(u" rechts") ? Qt::RightButton : Qt::LeftButton, {}, QPoint(3, 3), -1);
    } else if (befehl == u"waehle") { // a choice box: focused, the entry's name typed
        auto *wahl = static_cast<QComboBox *>(ctl(links));
        wahl->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(wahl, soll);
    } else if (befehl == u"fokussiere") {
        ctl(links)->setFocus(Qt::OtherFocusReason);
    } else if (befehl == u"setze") {
        static_cast<QPlainTextEdit *>(ctl(links))->setPlainText(soll);
    } else if (befehl == u"verschiebe") {
        w().move(w().x(), links.toInt());
    } else if (befehl == u"bericht" || befehl == u"pdfbericht") { // what the window shows
        w();
        const QString text = bericht(befehl == u"bericht" ? drucker : pdf);
        // Nothing printed, or the report as expected, printed while the print choice was shown.
        const QString pfad = KALVOMAT_TESTS "/app/berichte/" + soll + ".txt";
        const QString fehler =
            soll == u"-" ? (text == u"-\n" ? "" : "printed: " + text) : abweichung(text, pfad);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QVERIFY(soll == u"-" || rahmenSichtbar);
    } else {
        // The control that a click in the middle of links reaches, or that has the focus.
        const auto name = [&](QWidget *c) {
            return c && (ctl(soll) == c || ctl(soll)->isAncestorOf(c)) ? soll
                : c ? c->metaObject()->className()
                    : "nichts";
        };
        QWidget *c = finde(w(), links) ? ctl(links) : &w();
        QFile f(t->pfad(links));
        QStringList eintraege, gehoert;
        auto *liste = t->c<QListWidget>("befwahl(0)");
        for (int i = 0;
             qobject_cast<QListWidget *>(c) && i < static_cast<QListWidget *>(c)->count(); ++i)
            eintraege << static_cast<QListWidget *>(c)->item(i)->text();
        // A screen reader: the control's name, then its list entries, the selected one marked.
        // Without an active reader Qt does not report changes of a list to its accessible cells:
        // they are made anew here, as a reader that heard of the change would see them.
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(c)));
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
        for (int k = -1; k < a->childCount(); ++k)
            if (QAccessibleInterface *e = k < 0 ? a : a->child(k);
                k < 0 || e->role() == QAccessible::ListItem)
                gehoert << e->text(QAccessible::Name) + (e->state().selected ? "*" : "");
        // A table: its rows, " / " between them, "|" between the cells of a row.
        QStringList tabelle;
        for (auto *tab = qobject_cast<QTableWidget *>(c);
             tab && tabelle.size() < tab->rowCount();) {
            QStringList zellen;
            for (int s = 0; s < tab->columnCount(); ++s)
                zellen << tab->item(static_cast<int>(tabelle.size()), s)->text();
            tabelle << zellen.join(u'|');
        }
        QString ist = befehl == u"zeigt" && qobject_cast<QTableWidget *>(c) ? tabelle.join(" / ")
            : befehl == u"zeigt" && qobject_cast<QComboBox *>(c)
            ? static_cast<QComboBox *>(c)->currentText()
            : befehl == u"zeigt"
            ? (eintraege.isEmpty() ? c->property(qobject_cast<QPlainTextEdit *>(c)  ? "plainText"
                                                     : qobject_cast<QGroupBox *>(c) ? "title"
                                                                                    : "text")
                                         .toString()
                                   : eintraege.join(" / "))
            : befehl == u"vorgelesen"        ? gehoert.join(" / ")
            : befehl == u"schreibgeschuetzt" ? (a->state().readOnly ? "ja" : "nein")
            : befehl == u"vorschlag"         ? t->gesagt.vorschlag
            : befehl == u"tipp"              ? c->toolTip()
            : befehl == u"rahmen"
            ? (static_cast<QFrame *>(c)->frameShape() == QFrame::Box ? "ja" : "nein")
            : befehl == u"sichtbar" ? (c->isVisible() ? "ja" : "nein")
            : befehl == u"hoehe"    ? QString::number(c->height() * twipsJePixel)
            : befehl == u"oben"  ? name(QApplication::widgetAt(c->mapToGlobal(c->rect().center())))
            : befehl == u"fokus" ? name(QApplication::focusWidget())
            : befehl == u"fensteroben" ? QString::number(w().y() * twipsJePixel)
            : befehl == u"titel"       ? w().windowTitle()
            : befehl == u"eintrag"     ? QString::number(liste->currentRow())
            : befehl == u"zeile"       ? QString::number(w().editor().plan().aktzeile)
            : befehl == u"inhalt"
            ? QString::fromLatin1(f.open(QIODevice::ReadOnly) ? f.readAll() : "fehlt")
            : befehl == u"geoeffnet" ? Oeffner::geoeffnet.join(" // ")
            : befehl == u"gesagt"    ? t->gesagt.meldungen.join(" // ")
            : befehl == u"gefragt"   ? t->gesagt.fragen.join(" // ")
                                     : "unknown command";
        ist.replace(t->ordner.path(), "<Ordner>")
            .replace(QDate::currentDate().toString(Qt::ISODate), "<Heute>")
            .replace(QCoreApplication::applicationDirPath(), "<Programmordner>");
        QVERIFY2(ist == soll, qPrintable(z + "\n   is: " + ist));
    }
}

} // namespace

class TstFenster : public QObject
{
    Q_OBJECT

private slots:
    void szenario_data();
    void szenario();
    // Random use: a seeded generator writes scenario lines (regions typed, list entries clicked,
    // keys in the list, clicks on controls and anywhere, which also print) and plays them; the
    // invariants must hold after each. A failure shows the seed and the lines so far, a scenario
    // to replay; KALVOMAT_ZUFALL_SEED=n runs that seed alone, KALVOMAT_ZUFALL_AKTIONEN=m sets the
    // number of actions.
    void zufall_data();
    void zufall();
};

// One row per scenario: the lines from its "== name" to the next.
void TstFenster::szenario_data()
{
    QTest::addColumn<QStringList>("zeilen");
    const QDir ordner(QStringLiteral(KALVOMAT_TESTS "/app/szenarien"));
    for (const QString &datei : ordner.entryList({"*.txt"})) {
        const QStringList zeilen = dateiText(ordner.filePath(datei)).split(u'\n');
        for (qsizetype n = 0, ende = 0; n < zeilen.size(); n = ende) {
            for (ende = n + 1; ende < zeilen.size() && !zeilen[ende].startsWith(u"== ");)
                ++ende;
            if (zeilen[n].startsWith(u"== "))
                QTest::addRow("%s:%d %s", qPrintable(datei), int(n + 1),
                              qPrintable(zeilen[n].mid(3)))
                    << zeilen.mid(n + 1, ende - n - 1);
        }
    }
}

void TstFenster::szenario()
{
    QFETCH(QStringList, zeilen);
    Spieler spieler;
    for (const QString &z : zeilen) {
        if (!z.isEmpty() && !z.startsWith(u'#'))
            spieler.zeile(z);
        const QString fehler = spieler.t ? verletzt(spieler.w()) : QString();
        if (QTest::currentTestFailed() || !fehler.isEmpty())
            QFAIL(qPrintable("in the line: " + z + u' ' + fehler));
    }
}

void TstFenster::zufall_data()
{
    QTest::addColumn<unsigned>("startwert");
    const unsigned einer = qEnvironmentVariableIntValue("KALVOMAT_ZUFALL_SEED");
    for (unsigned s = einer ? einer : 1; s <= (einer ? einer : 5); ++s)
        QTest::addRow("seed %u", s) << s;
}

#if defined(__SANITIZE_ADDRESS__) // every event costs several times as much
constexpr int aktionen = 400;
#else
constexpr int aktionen = 1200;
#endif

void TstFenster::zufall()
{
    QFETCH(unsigned, startwert);
    std::mt19937 zufall(startwert);
    const auto wuerfel = [&](int n) { return static_cast<int>(zufall() % unsigned(n)); };
    const QStringList texte {"11",          "OK UK",          "11,12 21", "18uk", "55 19",
                             "31 32 41 42", "ok 11 12 13 14", "x",        "\\e"};
    const QStringList ziele {"cmdDrucken",   "cmdHilfe",     "cmdAnmerk", "cmdAufAb",
                             "bonus",        "erg_befund",   "erg_anz",   "erg_befsum",
                             "cmdDruckwahl", "cmdDruckwahl", "lblbefund"};
    Spieler spieler;
    spieler.dateien[0].second = alsDatei(katalogZeilen("reich.txt"));
    Main &w = spieler.w();
    QStringList szenario;
    const QByteArray anzahl = qgetenv("KALVOMAT_ZUFALL_AKTIONEN");
    for (int n = anzahl.isEmpty() ? aktionen : anzahl.toInt(); n > 0; --n) {
        const int i = wuerfel(PlanState::zeilen), wahl = wuerfel(7);
        QWidget *ziel = spieler.ctl(ziele[wuerfel(ziele.size())] + u' ' + QString::number(i % 4));
        // Where a user would click that control, or any point of the window.
        const QPoint p = wahl > 4 && ziel->isVisible()
            ? ziel->mapTo(&w, ziel->rect().center())
            : QPoint(wuerfel(w.width()), wuerfel(w.height()));
        if (wahl == 3)
            szenario << "fokussiere befwahl 0";
        szenario << (wahl == 0
                         ? QStringLiteral("tippe regio %1 ").arg(i) + texte[wuerfel(texte.size())]
                         : wahl < 3 ? QStringLiteral("liste %1").arg(i)
                         : wahl == 3
                         ? "taste " + QStringList {"Down", "Up", "Home", "End", "Tab"}[i % 5]
                         : QStringLiteral("klickbei %1 %2").arg(p.x()).arg(p.y()));
        for (const QString &z : szenario.mid(wahl == 3 ? szenario.size() - 2 : szenario.size() - 1))
            spieler.zeile(z);
        const QString fehler = verletzt(w);
        if (!fehler.isEmpty() || QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("seed %1: %2 after\n").arg(startwert).arg(fehler)
                             + szenario.join(u'\n')));
    }
}

QTEST_MAIN(TstFenster)
#include "tst_fenster.moc"
