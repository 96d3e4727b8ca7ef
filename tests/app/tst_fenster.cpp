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
#include "plattform/browser.h"
#include "testfenster.h"

#include <QApplication>

namespace {

// clang-format off
#define EINZELN(n) {#n, [](Main &w, int) -> QWidget * { return w.n; }}
#define REIHE(n) {#n, [](Main &w, int i) -> QWidget * { return w.n.at(i); }}
// clang-format on
const QHash<QString, QWidget *(*)(Main &, int)> controls {
    EINZELN(txtanmerk),  EINZELN(cmdAnmerk),    EINZELN(txtnichtz),
    EINZELN(txtnichtk),  EINZELN(lblNichtzahn), EINZELN(lblNichtKiefer),
    EINZELN(lblVelmar),  EINZELN(drkframe),     EINZELN(txtHilfe),
    EINZELN(cmdDrucken), EINZELN(cmdHilfe),     EINZELN(cmdAufAb),
    EINZELN(Patient),    REIHE(lblbefund),      REIHE(cmdDruckwahl),
    REIHE(bonus),        REIHE(lblBonus),       REIHE(regio),
    REIHE(befwahl),      REIHE(erg_befund),     REIHE(erg_anz),
    REIHE(erg_einfach),  REIHE(erg_befsum),     REIHE(befgr),
    REIHE(festsum),      REIHE(eigenanteil)};

// Keeps the recording after the print run and notes whether the print choice was on screen.
struct Beobachter : Weiterleitung
{
    Beobachter(Aufzeichnung &ziel, QWidget *rahmen) : Weiterleitung(ziel), rahmen(rahmen) { }
    bool dokumentEnde() override
    {
        rahmenSichtbar = rahmen->isVisible();
        return Weiterleitung::dokumentEnde();
    }
    QWidget *rahmen;
    inline static bool rahmenSichtbar = false;
};

struct Oeffner : Seitenoeffner
{
    bool oeffnen(const QUrl &adresse) override
    {
        return geoeffnet << adresse.toLocalFile(), gelingt;
    }
    inline static bool gelingt = true;
    inline static QStringList geoeffnet;
};

// All pages of a recording, each line as "x:text|x:text" in column units; "-" when empty.
QString bericht(const Aufzeichnung &a)
{
    QString aus;
    for (int s = 1; !a.eintraege().isEmpty() && s <= a.seiten(); ++s)
        aus += QStringLiteral("=== Seite %1\n%2\n")
                   .arg(s)
                   .arg(a.seitenBild(s, a.breite() / 10).join(u'\n'));
    static const QRegularExpression uhr(R"(\|7:\d\d\.\d\d\.\d\d\|8:\d\d:\d\d)");
    return aus.isEmpty() ? QStringLiteral("-\n") : aus.replace(uhr, "|7:<Datum>|8:<Zeit>");
}

struct Spieler
{
    QList<QPair<QString, QByteArray>> dateien = Testfenster::standardDateien();
    std::unique_ptr<Testfenster> t;
    // Each print run starts a fresh recording with the page and the failures the scenario set.
    Aufzeichnung::Metrik seite;
    bool druckerBereit = true, druckerEnde = true, pdfBereit = true;
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
            Beobachter::rahmenSichtbar = false;
            return std::make_unique<Beobachter>(drucker, w().drkframe);
        });
        t->w().setPdfFabrik([this](const QString &) {
            pdf = Aufzeichnung();
            pdf.setBereit(pdfBereit);
            return std::make_unique<Beobachter>(pdf, w().drkframe);
        });
        t->w().setSeitenoeffner(std::make_unique<Oeffner>());
        Oeffner::gelingt = true;
        Oeffner::geoeffnet.clear();
        return t->w();
    }

    // "regio 3" or "cmdDrucken"
    QWidget *ctl(const QString &name)
    {
        const auto c = controls.value(name.section(u' ', 0, 0));
        if (!c)
            qFatal("unknown control %s", qPrintable(name));
        return c(w(), name.section(u' ', 1, 1).toInt());
    }

    QString gezeigt(QWidget *c)
    {
        QStringList eintraege;
        for (int i = 0; qobject_cast<QListWidget *>(c) && i < w().befwahl[0]->count(); ++i)
            eintraege << w().befwahl[0]->item(i)->text();
        return qobject_cast<QListWidget *>(c)
            ? eintraege.join(" / ")
            : c->property(qobject_cast<QPlainTextEdit *>(c) ? "plainText" : "text").toString();
    }

    void zeile(const QString &z);
};

void Spieler::zeile(const QString &z)
{
    const qsizetype gleich = z.indexOf(QStringLiteral(" = "));
    const QString kopf = gleich < 0 ? z : z.first(gleich);
    const QString befehl = kopf.section(u' ', 0, 0), links = kopf.section(u' ', 1);
    const QString soll = gleich < 0 ? QString() : entschluesseln(z.mid(gleich + 3));
    // Before the window opens: its working folder, printer and PDF file.
    if (befehl == u"datei") {
        const QString name = links.section(u' ', 0, 0), quelle = links.section(u' ', 1);
        dateien.removeIf([&](const auto &d) { return d.first == name; });
        if (quelle != u"fehlt")
            dateien.append(
                {name, quelle.isEmpty() ? soll.toLatin1() : alsDatei(katalogZeilen(quelle))});
    } else if (befehl == u"drucker") {
        druckerBereit = links != u"fehlt";
        druckerEnde = links != u"scheitert";
    } else if (befehl == u"pdf") {
        pdfBereit = links != u"fehlt";
        w();
        t->gesagt.antwort = true;
        t->gesagt.pdfPfad = links == u"abgebrochen" ? QString() : t->pfad("plan.pdf");
    } else if (befehl == u"seitenhoehe") {
        seite.hoehe = links.toDouble();
    } else if (befehl == u"supportseite") {
        QFile seite(QCoreApplication::applicationDirPath() + "/linkzuvelmar.html");
        QVERIFY(links == u"ja" ? seite.open(QIODevice::WriteOnly)
                               : !seite.exists() || seite.remove());
    } else if (befehl == u"browser") {
        Oeffner::gelingt = false;
        // What the user does.
    } else if (befehl == u"klick") {
        t->klick(ctl(links));
    } else if (befehl == u"liste") {
        w();
        t->listeKlick(links.toInt());
    } else if (befehl == u"tippe") { // "tippe regio 3 TEXT", "tippe Patient TEXT"
        bool reihe = false;
        links.section(u' ', 1, 1).toInt(&reihe);
        QWidget *c = ctl(links.section(u' ', 0, reihe ? 1 : 0));
        t->klick(c);
        static_cast<QLineEdit *>(c)->selectAll();
        QTest::keyClicks(c, entschluesseln(links.section(u' ', reihe ? 2 : 1)));
    } else if (befehl == u"taste") {
        const QKeyCombination taste = QKeySequence::fromString(links)[0];
        QTest::keyClick(QApplication::focusWidget(), taste.key(), taste.keyboardModifiers());
    } else if (befehl == u"druecke" || befehl == u"lasse") { // near the top left corner
        using Maus = void (*)(QWidget *, Qt::MouseButton, Qt::KeyboardModifiers, QPoint, int);
        QWidget *c = ctl(QString(links).remove(QStringLiteral(" rechts")));
        auto *box = qobject_cast<QAbstractScrollArea *>(c);
        const auto taste = links.endsWith(u" rechts") ? Qt::RightButton : Qt::LeftButton;
        (befehl == u"druecke" ? Maus(QTest::mousePress) : Maus(QTest::mouseRelease))(
            box ? box->viewport() : c, taste, {}, QPoint(3, 3), -1);
    } else if (befehl == u"fokussiere") {
        ctl(links)->setFocus(Qt::OtherFocusReason);
    } else if (befehl == u"setze") {
        static_cast<QPlainTextEdit *>(ctl(links))->setPlainText(soll);
    } else if (befehl == u"verschiebe") {
        w().move(w().x(), links.toInt());
        // What the window shows.
    } else if (befehl == u"bericht" || befehl == u"pdfbericht") {
        w();
        const QString text = bericht(befehl == u"bericht" ? drucker : pdf);
        if (soll == u"-") // nothing printed
            QCOMPARE(text, QStringLiteral("-\n"));
        else // the print choice stays on screen while the report prints
            QVERIFY(vergleicheMitDatei(text, KALVOMAT_TESTS "/app/berichte/" + soll + ".txt")
                    && Beobachter::rahmenSichtbar);
    } else {
        // The control a click in the middle of links reaches, or the one with the focus.
        const auto name = [&](QWidget *gefunden) {
            QWidget *c = ctl(soll);
            return c == gefunden || c->isAncestorOf(gefunden) ? soll
                : gefunden                                    ? gefunden->metaObject()->className()
                                                              : "nichts";
        };
        w();
        const QStringList meldungen = befehl == u"gesagt" ? t->gesagt.meldungen : t->gesagt.fragen;
        QFile f(t->pfad(links));
        QString ist = befehl == u"zeigt" ? gezeigt(ctl(links))
            : befehl == u"tipp"          ? ctl(links)->toolTip()
            : befehl == u"sichtbar"      ? (ctl(links)->isVisible() ? "ja" : "nein")
            : befehl == u"hoehe"         ? QString::number(ctl(links)->height() * twipsJePixel)
            : befehl == u"oben"          ? name(w().childAt(ctl(links)->geometry().center()))
            : befehl == u"fokus"         ? name(QApplication::focusWidget())
            : befehl == u"titel"         ? w().windowTitle()
            : befehl == u"fensteroben"   ? QString::number(w().y() * twipsJePixel)
            : befehl == u"eintrag"       ? QString::number(w().befwahl[0]->currentRow())
            : befehl == u"inhalt"
            ? QString::fromLatin1(f.open(QIODevice::ReadOnly) ? f.readAll() : "fehlt")
            : befehl == u"geoeffnet"                      ? Oeffner::geoeffnet.join(" // ")
            : befehl == u"gesagt" || befehl == u"gefragt" ? meldungen.join(" // ")
            : befehl == u"markiert"                       ? QString()
                                                          : "unknown command";
        if (befehl == u"markiert") { // the rows shown as the current one / the plan's current row
            for (int i = 0; i < PlanState::zeilen; ++i)
                if (w().erg_befund[i]->palette().color(QPalette::Window)
                    == w().palette().color(QPalette::Base))
                    ist += QString::number(i) + u' ';
            ist = ist.trimmed() + u'/' + QString::number(w().aktzeile_lesen());
        }
        ist.replace(t->ordner.path(), "<Ordner>")
            .replace(QCoreApplication::applicationDirPath(), "<Programmordner>");
        QVERIFY2(
            ist == soll,
            qPrintable(
                QStringLiteral("%1 %2\n   is: %3\n   expected: %4").arg(befehl, links, ist, soll)));
    }
}

} // namespace

class TstFenster : public QObject
{
    Q_OBJECT

private slots:
    void szenario_data();
    void szenario();
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
        if (QTest::currentTestFailed())
            QFAIL(qPrintable("in the line: " + z));
    }
}

QTEST_MAIN(TstFenster)
#include "tst_fenster.moc"
