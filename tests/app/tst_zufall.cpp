// Random use of the real window: a seeded generator clicks, types, moves through the finding list
// and prints as a user would, and after every single action the figures on screen must agree with
// the plan. A failure names the seed and every action up to it; KALVOMAT_ZUFALL_SEED=n replays that
// seed alone, KALVOMAT_ZUFALL_AKTIONEN=m changes the number of actions per seed, and
// KALVOMAT_ZUFALL_PROTOKOLL=1 lists the actions of a run that passed as well.
//
// Clicks land where a user's click would: on the topmost visible control at that point of the
// window, so an open panel or the print choice catches the clicks meant for what lies below it.
// Keys go to the control that has the focus.

#include "app/beschriftung.h"
#include "app/twips.h"
#include "druck/aufzeichnung.h"
#include "druck/weiterleitung.h"
#include "plan/geld.h"
#include "plan/region.h"
#include "plattform/browser.h"
#include "testfenster.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QThread>

#include <cstdint>
#include <random>

namespace {

constexpr unsigned ersterStartwert = 1;
constexpr unsigned letzterStartwert = 5;
// Actions per seed. Under AddressSanitizer every event costs several times as much; the plain
// build still runs 5 x 2200 actions.
#if defined(__SANITIZE_ADDRESS__)
constexpr int standardAktionen = 700;
#else
constexpr int standardAktionen = 2200;
#endif

// The catalogue of the runs: headings, services with a deduction and the billing marker, a
// finding text used twice, an amount that is no number (1e999), amounts with four decimals,
// negative and very large amounts, and count limits of every kind (none, empty, 0, per jaw, both
// totals, huge).
QStringList zufallsKatalog()
{
    auto z = [](const QStringList &felder) { return felder.join(u'\t'); };
    auto leistung = [&z](const QString &bema, const QString &bemaText, const QString &bel,
                         const QString &belText) {
        QStringList f(16);
        f << bema << bemaText << bel << belText;
        return z(f);
    };
    QStringList k;
    k << z({"Nr", "Befund", "Beschreibung", "Hinweis", "ohne Bonus", "Bonus 20%", "Bonus 30%",
            "Härtefall", "max. Zähne", "max. Anzahl", "max. je Kiefer", "max. Anzahl 2",
            "nicht am selben Zahn", "nicht im selben Kiefer"});
    k << z({"1", "1 -Erhaltungswürdiger Zahn", "Befundklasse 1", "", "", "", "", "", "-1", "-1",
            "-1", "-1", "Überschrift z", "Überschrift k"});
    k << z({"1.1",
            "Krone je Zahn",
            "weitgehende Zerstörung, je Zahn",
            "zählt je Zahn",
            "61,78",
            "70.06",
            "75",
            "100",
            "32",
            "-1",
            "-1",
            "-1",
            "13b 13c",
            "kein OK-Verband",
            "",
            "",
            "20a",
            "Krone",
            "0010",
            "Modell"});
    k << leistung("-19", "Provisorium (Abzug)", "0120", "Stumpf");
    k << leistung("BEMA 2004", "", "-0010", "Modell (Abzug)");
    k << leistung("24c", "Abnahme", "", "");
    k << z({"1.2",
            "Teilkrone riesig",
            "Beträge jenseits jeder Praxis",
            "",
            "1e999",
            "214748,3647",
            "900000000000",
            "-7,5",
            "-1",
            "-1",
            "-1",
            "-1",
            "",
            "",
            "",
            "",
            "20b",
            "Teilkrone",
            "0021",
            "Teilkrone Metall"});
    k << z({"1.3", "Verblendung", "je Zahn, höchstens zwei", "", "45,1234", "50,5678", "0,0001",
            "123456,7891", "2", "-1", "-1", "-1", "20a", "", "", "", "20c", "Verblendung"});
    k << z(
        {"2", "2 -Zahnbegrenzte Lücken", "", "", "", "", "", "", "-1", "-1", "-1", "-1", "", ""});
    k << z({"2.1",
            "Brücke",
            "je Lücke, Grenzen leer",
            "",
            "487,04",
            "568,22",
            "608,81",
            "811,74",
            "",
            "",
            "",
            "",
            "",
            "",
            "",
            "",
            "91b",
            "Brückenanker",
            "1020",
            "Brückenglied"});
    k << z({"2.2", "Anker höchstens einer", "", "", "100", "120", "130", "200", "-1", "1", "-1",
            "-1", "", ""});
    k << z({"3", "3 -Zahnbegrenzte Lücken je Kiefer", "", "", "", "", "", "", "-1", "-1", "-1",
            "-1", "", ""});
    k << z({"3.1", "Lücke je Kiefer", "Freiend, je Kiefer", "", "496,80", "579,6", "621", "828",
            "-1", "-1", "1", "-1", "", "", "", "", "96a", "Prothese", ""});
    k << z({"3.2", "Prothese", "zwei je Kiefer, drei gesamt", "", "300", "360", "390", "600", "-1",
            "-1", "2", "3", "", ""});
    k << z({"4", "4 -Restzahnbestand", "", "", "", "", "", "", "-1", "-1", "-1", "-1", "", ""});
    k << z({"4.1",
            "Krone je Zahn",
            "der gleiche Text wie 1.1",
            "",
            "1",
            "2",
            "3",
            "4",
            "-1",
            "-1",
            "-1",
            "-1",
            "",
            "",
            "",
            "",
            "19",
            "Provisorium",
            "0052",
            "Sägemodell"});
    k << z({"4.2", "Teleskop", "Grenze 0", "", "250", "300", "325", "500", "0", "-1", "-1", "-1",
            "", ""});
    k << z({"4.3", "Alles begrenzt", "", "", "10", "20", "30", "40", "8", "2", "1", "4", "", ""});
    k << z({"4.4", "Grenzen riesig", "", "", "0,5", "0,6", "0,7", "0,8", "99999999999",
            "-99999999999", "1e30", "-1e30", "", ""});
    k << z({"9.7", "Sehr groß", "", "", "900000000000000", "922337203685477", "1", "0", "-1", "-1",
            "-1", "-1", "", ""});
    k << z({"9.8", "Abzug", "negativ", "", "-12,5", "-15", "-17,5", "-25", "-1", "-1", "-1", "-1",
            "", ""});
    k << z({"9.9", "Ohne Betrag", "Betrag nicht im Katalog", "", "", "", "", "", "-1", "-1", "-1",
            "-1", "", ""});
    return k;
}

// A whole number below n from the generator alone, the same on every platform.
int wuerfel(std::mt19937 &zufall, int n)
{
    return static_cast<int>(zufall() % static_cast<std::uint32_t>(n));
}

QString zitat(const QString &text)
{
    QString t = text;
    t.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    t.replace(u'\n', QStringLiteral("\\n")).replace(u'\r', QStringLiteral("\\r"));
    t.replace(u'\t', QStringLiteral("\\t"));
    if (t.size() > 80)
        t = t.first(60) + QStringLiteral("…(%1 Zeichen)").arg(text.size());
    return u'"' + t + u'"';
}

// The name a control has in the action list.
QString name(const Main &w, const QWidget *c)
{
    if (!c)
        return QStringLiteral("nichts");
    auto in = [c](const auto &feld, const char *n) -> QString {
        for (std::size_t i = 0; i < feld.size(); ++i)
            if (feld[i] == c)
                return QStringLiteral("%1(%2)").arg(QString::fromUtf8(n)).arg(i);
        return {};
    };
    for (const QString &s :
         {in(w.regio, "regio"), in(w.erg_befund, "erg_befund"), in(w.erg_anz, "erg_anz"),
          in(w.erg_einfach, "erg_einfach"), in(w.erg_befsum, "erg_befsum"),
          in(w.lblbefund, "lblbefund"), in(w.bonus, "bonus"), in(w.lblBonus, "lblBonus"),
          in(w.cmdDruckwahl, "cmdDruckwahl"), in(w.festsum, "festsum"),
          in(w.eigenanteil, "eigenanteil"), in(w.befgr, "befgr"), in(w.lblhead, "lblhead")})
        if (!s.isEmpty())
            return s;
    const std::pair<const QWidget *, const char *> einzeln[] = {
        {w.befwahl[0], "befwahl"},
        {w.befwahl[0]->viewport(), "befwahl"},
        {w.txtnichtz, "txtnichtz"},
        {w.txtnichtz->viewport(), "txtnichtz"},
        {w.txtnichtk, "txtnichtk"},
        {w.txtnichtk->viewport(), "txtnichtk"},
        {w.txtHilfe, "txtHilfe"},
        {w.txtHilfe->viewport(), "txtHilfe"},
        {w.txtanmerk, "txtanmerk"},
        {w.txtanmerk->viewport(), "txtanmerk"},
        {w.drkframe, "drkframe"},
        {w.cmdDrucken, "cmdDrucken"},
        {w.cmdHilfe, "cmdHilfe"},
        {w.cmdAnmerk, "cmdAnmerk"},
        {w.cmdAufAb, "cmdAufAb"},
        {w.Patient, "Patient"},
        {w.lblVelmar, "lblVelmar"},
        {w.lblvelmarBild, "lblvelmarBild"},
        {w.FrameVelmar, "FrameVelmar"},
        {w.lblNichtzahn, "lblNichtzahn"},
        {w.lblNichtKiefer, "lblNichtKiefer"},
        {w.lblEigenanteil, "lblEigenanteil"},
        {w.lblsumfest, "lblsumfest"},
        {&w, "Main"}};
    for (const auto &[widget, n] : einzeln)
        if (widget == c)
            return QLatin1String(n);
    return c->metaObject()->className();
}

struct Zeilenstand
{
    std::array<QString, 2> text;
    std::array<std::int64_t, 16> wert;
    int befund;
    bool operator==(const Zeilenstand &) const = default;
};

// Counts the pages the window hands to the browser instead of starting one.
class ZaehlenderOeffner : public Seitenoeffner
{
public:
    explicit ZaehlenderOeffner(int &zaehler) : zaehler_(zaehler) { }
    bool oeffnen(const QUrl &) override
    {
        ++zaehler_;
        return true;
    }

private:
    int &zaehler_;
};

class Zufallslauf
{
public:
    Zufallslauf(Testfenster &t, unsigned startwert) : t_(t), w_(t.w()), zufall_(startwert)
    {
        w_.setDruckerFabrik([this] {
            ++druckerAufrufe_;
            return std::make_unique<Weiterleitung>(*druck_);
        });
        w_.setPdfFabrik([](const QString &) { return std::unique_ptr<Druckflaeche>(); });
        w_.setSeitenoeffner(std::make_unique<ZaehlenderOeffner>(seitenGeoeffnet_));
        t_.gesagt.antwort = false; // no PDF instead of a failed print
        druck_ = std::make_unique<Aufzeichnung>();
    }

    // Runs actions until at least `anzahl` were done or one broke a rule; the problems found.
    QStringList lauf(int anzahl)
    {
        QStringList fehler = pruefen();
        while (fehler.isEmpty() && protokoll_.size() < anzahl) {
            vorher_ = stand();
            erwartung_.clear();
            aktion();
            QCoreApplication::sendPostedEvents();
            fehler = erwartung_ + pruefen();
        }
        return fehler;
    }

    const QStringList &protokoll() const { return protokoll_; }

    // What the run reached, so that a run that no longer reaches the window fails.
    int mausWahlen = 0;
    int tastenWahlen = 0;
    int druckLaeufe = 0;
    int ueberlaufGesehen = 0;

private:
    // ---- actions ---------------------------------------------------------------------------

    void aktion()
    {
        // Whoever opened the rules reads them and closes them again soon.
        if (w_.txtanmerk->isVisible() && wuerfel(zufall_, 2) == 0) {
            umschalten(w_.cmdAnmerk, w_.txtanmerk, QStringLiteral("cmdAnmerk"));
            return;
        }
        const int wahl = wuerfel(zufall_, 105);
        if (wahl < 12)
            klickRegio(wuerfel(zufall_, PlanState::zeilen));
        else if (wahl < 24)
            regionEingeben();
        else if (wahl < 30)
            tippe(regionsText());
        else if (wahl < 44)
            listeKlick();
        else if (wahl < 45)
            listeDoppelklick();
        else if (wahl < 46)
            listeZiehen();
        else if (wahl < 56)
            listeTaste();
        else if (wahl < 62)
            tabulator();
        else if (wahl < 68)
            klickBonus(wuerfel(zufall_, 4));
        else if (wahl < 70)
            umschalten(w_.cmdHilfe, w_.txtHilfe, QStringLiteral("cmdHilfe"));
        else if (wahl < 71)
            umschalten(w_.cmdAnmerk, w_.txtanmerk, QStringLiteral("cmdAnmerk"));
        else if (wahl < 73)
            aufAb();
        else if (wahl < 81)
            ergebnisKlick();
        else if (wahl < 84)
            detailDruck();
        else if (wahl < 87)
            ausschlussDruck();
        else if (wahl < 93)
            drucken();
        else if (wahl < 96)
            einfuegen();
        else if (wahl < 98)
            tasteBearbeiten();
        else if (wahl < 100)
            patientEingeben();
        else
            klickIrgendwo();
    }

    // A click at any point of the window: labels, headings, the list's scroll bar, the link.
    void klickIrgendwo()
    {
        const QPoint p(wuerfel(zufall_, w_.width()), wuerfel(zufall_, w_.height()));
        const qsizetype meldungen = t_.gesagt.meldungen.size();
        const int geoeffnet = seitenGeoeffnet_;
        QWidget *c = klickBei(&w_, p, QStringLiteral("klick bei (%1, %2)").arg(p.x()).arg(p.y()));
        if (c != w_.lblVelmar)
            return;
        // The support link opens the page, or says where it is missing.
        const QStringList neu = t_.gesagt.meldungen.mid(meldungen);
        erwarte((seitenGeoeffnet_ == geoeffnet + 1 && neu.isEmpty())
                    || (seitenGeoeffnet_ == geoeffnet && neu.size() == 1
                        && neu.first().startsWith(QStringLiteral("Die Support-Seite"))),
                QStringLiteral("der Link öffnet %1 Seiten und meldet %2")
                    .arg(seitenGeoeffnet_ - geoeffnet)
                    .arg(zitat(neu.join(u'|'))));
        t_.gesagt.meldungen = t_.gesagt.meldungen.first(meldungen);
    }

    void notiere(const QString &text) { protokoll_ << text; }

    // A panel button shows its panel when it is hidden and hides it when it is shown.
    void umschalten(QPushButton *knopf, QWidget *tafel, const QString &n)
    {
        const bool vorher = tafel->isVisible();
        if (klickAuf(knopf, QStringLiteral("klick ") + n) == knopf)
            erwarte(tafel->isVisible() != vorher,
                    QStringLiteral("%1 schaltet seine Tafel nicht um").arg(n));
    }

    // The screen toggle moves the window 2000 twips up, and back to the top of the screen.
    void aufAb()
    {
        const int obenVorher = w_.y();
        if (klickAuf(w_.cmdAufAb, QStringLiteral("klick cmdAufAb")) != w_.cmdAufAb)
            return;
        const bool rauf = obenVorher >= 0;
        erwarte(w_.y() == (rauf ? tw(-2000) : 0)
                    && w_.cmdAufAb->text() == (rauf ? "rauf" : "runter"),
                QStringLiteral("cmdAufAb: das Fenster steht bei %1 mit der Aufschrift %2")
                    .arg(w_.y())
                    .arg(zitat(w_.cmdAufAb->text())));
    }

    // A random point inside a control, away from its border.
    QPoint punktIn(const QWidget *c)
    {
        const QRect r = c->rect().adjusted(1, 1, -1, -1);
        if (r.width() <= 0 || r.height() <= 0)
            return c->rect().center();
        return {r.left() + wuerfel(zufall_, r.width()), r.top() + wuerfel(zufall_, r.height())};
    }

    // The control that a click at `p` of `ziel` reaches: the topmost visible one at that point.
    QWidget *getroffen(QWidget *ziel, QPoint p, QPoint &lokal)
    {
        QWidget *fenster = &w_;
        const QPoint imFenster = ziel->mapTo(fenster, p);
        QWidget *c = fenster->childAt(imFenster);
        if (!c)
            c = fenster;
        lokal = c->mapFrom(fenster, imFenster);
        return c;
    }

    // Press and release at a point of `ziel` as the mouse does it; returns the control hit.
    QWidget *klickBei(QWidget *ziel, QPoint p, const QString &text,
                      Qt::MouseButton knopf = Qt::LeftButton, bool losInnen = true)
    {
        QPoint lokal;
        QWidget *c = getroffen(ziel, p, lokal);
        QString eintrag = text;
        if (c != ziel)
            eintrag += QStringLiteral(" [trifft %1]").arg(name(w_, c));
        notiere(eintrag);
        QPointer<QWidget> halt(c);
        QTest::mousePress(c, knopf, {}, lokal);
        if (!halt)
            return nullptr;
        const QPoint los = losInnen ? lokal : QPoint(c->width() + 20, c->height() + 20);
        QTest::mouseRelease(c, knopf, {}, los);
        return halt;
    }

    QWidget *klickAuf(QWidget *ziel, const QString &text)
    {
        return klickBei(ziel, punktIn(ziel), text);
    }

    QWidget *fokus() const
    {
        QWidget *f = QApplication::focusWidget();
        return f ? f : static_cast<QWidget *>(&w_);
    }

    void taste(Qt::Key k, Qt::KeyboardModifiers m, const QString &text)
    {
        QWidget *f = fokus();
        notiere(QStringLiteral("taste %1 [%2]").arg(text, name(w_, f)));
        QTest::keyClick(f, k, m);
    }

    void klickRegio(int row)
    {
        QWidget *c = klickAuf(w_.regio[row], QStringLiteral("klick regio(%1)").arg(row));
        if (c == w_.regio[row]) {
            erwarte(w_.plan.aktzeile == row,
                    QStringLiteral("der Klick in regio(%1) macht sie "
                                   "nicht zur aktuellen Zeile")
                        .arg(row));
            erwarte(w_.txtHilfe->isHidden(),
                    QStringLiteral("die Hilfe bleibt nach dem Klick in "
                                   "eine Region stehen"));
        }
    }

    // Types text into the focused control, one key per character, as a keyboard does.
    // Each key goes to the control that has the focus at that moment: a letter that chooses a
    // finding in the list sends the rest of the text into the next region box.
    void tippe(const QString &text)
    {
        notiere(QStringLiteral("tippe %1 [%2]").arg(zitat(text), name(w_, fokus())));
        const QList<uint> zeichen = text.toUcs4();
        for (uint c : zeichen) {
            QWidget *f = fokus();
            // The list joins letters typed within its search interval (set to 0 ms by the test)
            // into one search; a short pause makes every letter a search of its own, whatever
            // the speed of the machine.
            if (f == w_.befwahl[0])
                QThread::msleep(2);
            const QString s = QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
            int code = Qt::Key_unknown;
            if (s.size() == 1 && s.at(0).unicode() > 0x20)
                code = s.at(0).toUpper().unicode();
            else if (c == u' ')
                code = Qt::Key_Space;
            QTest::sendKeyEvent(QTest::Click, f, static_cast<Qt::Key>(code), s, Qt::NoModifier);
        }
    }

    void regionEingeben()
    {
        const int row = wuerfel(zufall_, PlanState::zeilen);
        klickRegio(row);
        switch (wuerfel(zufall_, 4)) {
        case 0:
            taste(Qt::Key_A, Qt::ControlModifier, QStringLiteral("Strg+A"));
            break;
        case 1:
            taste(Qt::Key_End, Qt::NoModifier, QStringLiteral("Ende"));
            break;
        case 2:
            for (int i = wuerfel(zufall_, 6); i > 0; --i)
                taste(Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("Rück"));
            break;
        default:
            break; // typed where the click put the cursor
        }
        tippe(regionsText());
    }

    QString regionsText()
    {
        static const QStringList zaehne = {"11", "12", "13", "14", "15", "16", "17", "18",
                                           "21", "22", "23", "24", "25", "26", "27", "28",
                                           "31", "32", "33", "34", "35", "36", "37", "38",
                                           "41", "42", "43", "44", "45", "46", "47", "48"};
        static const QStringList kiefer = {"OK", "UK",   "ok",   "uk",   "Ok",
                                           "uK", "18UK", "OK11", "okuk", "OKOK"};
        static const QStringList trenner = {",", " ", ", ", ";", "  ", ",,", "\u00a0", "/", "-"};
        static const QStringList unsinn = {"19",
                                           "0",
                                           "9",
                                           "99",
                                           "100",
                                           "1",
                                           "111",
                                           "55",
                                           "85",
                                           "x",
                                           "ä",
                                           "Ö",
                                           "ü",
                                           "ß",
                                           "€",
                                           "é",
                                           "\uff11\uff11",
                                           "\u0661\u0662",
                                           "½",
                                           "²",
                                           "1e3",
                                           "+11",
                                           "-11",
                                           "11.5",
                                           "0x11",
                                           "∞",
                                           "\U0001F600",
                                           "32768",
                                           "99999999999999999999",
                                           "Zahn",
                                           "oben",
                                           "k",
                                           "o",
                                           "u",
                                           "\u0130",
                                           "\u0131",
                                           "ǅ"};
        QString t;
        const int teile =
            wuerfel(zufall_, 10) == 0 ? 40 + wuerfel(zufall_, 120) : wuerfel(zufall_, 7);
        for (int i = 0; i < teile; ++i) {
            const int art = wuerfel(zufall_, 10);
            if (art < 5)
                t += zaehne.at(wuerfel(zufall_, zaehne.size()));
            else if (art < 7)
                t += kiefer.at(wuerfel(zufall_, kiefer.size()));
            else
                t += unsinn.at(wuerfel(zufall_, unsinn.size()));
            t += trenner.at(wuerfel(zufall_, trenner.size()));
        }
        if (wuerfel(zufall_, 3) == 0)
            t.chop(1);
        return t;
    }

    // Pastes text from the clipboard; now and then a very long one.
    void einfuegen()
    {
        QString text = regionsText();
        if (wuerfel(zufall_, 3) == 0)
            text = text.repeated(200 + wuerfel(zufall_, 3000))
                       .left(wuerfel(zufall_, 4) == 0 ? 40000 : 4000);
        if (wuerfel(zufall_, 4) == 0)
            text += QStringLiteral("\r\n21 22\n");
        QApplication::clipboard()->setText(text);
        notiere(QStringLiteral("zwischenablage %1").arg(zitat(text)));
        taste(Qt::Key_V, Qt::ControlModifier, QStringLiteral("Strg+V"));
    }

    void tasteBearbeiten()
    {
        static const std::pair<Qt::Key, const char *> tasten[] = {
            {Qt::Key_Backspace, "Rück"}, {Qt::Key_Delete, "Entf"}, {Qt::Key_Home, "Pos1"},
            {Qt::Key_End, "Ende"},       {Qt::Key_Left, "Links"},  {Qt::Key_Return, "Eingabe"},
            {Qt::Key_Escape, "Esc"},     {Qt::Key_Space, "Leer"},
        };
        const auto &[k, n] = tasten[wuerfel(zufall_, static_cast<int>(std::size(tasten)))];
        taste(k, Qt::NoModifier, QString::fromUtf8(n));
    }

    void patientEingeben()
    {
        klickAuf(w_.Patient, QStringLiteral("klick Patient"));
        tippe(wuerfel(zufall_, 2) ? QStringLiteral("Müller-Lüdenscheidt, Jürgen") : regionsText());
    }

    // A list entry: the one already selected, the clear entry, a heading or any other.
    int listenEintrag()
    {
        QListWidget *l = w_.befwahl[0];
        const int z = wuerfel(zufall_, 10);
        if (z < 2 && l->currentRow() >= 0)
            return l->currentRow();
        if (z < 3)
            return 0;
        return wuerfel(zufall_, l->count());
    }

    // Checks that a choice of entry e for `row` happened: the row, its finding, the details and
    // the move on to the next row.
    void wahlErwarten(int e, int row, const QString &wie)
    {
        const Befund &b = w_.katalog.befund(e);
        erwarte(
            w_.lblbefund[0]->caption() == b.befnr && w_.lblbefund[1]->caption() == b.beftext
                && w_.lblbefund[2]->caption() == b.befinfo1
                && w_.lblbefund[3]->caption() == b.befinfo2,
            QStringLiteral("%1 %2: die Angaben oben zeigen nicht diesen Befund").arg(wie).arg(e));
        erwarte(w_.nichtz_text == b.befnichtz && w_.nichtk_text == b.befnichtk,
                QStringLiteral("%1 %2: die Ausschlusstexte sind nicht die dieses Befunds")
                    .arg(wie)
                    .arg(e));
        const auto nachher = stand();
        if (w_.katalog.istUeberschrift(e)) {
            erwarte(w_.plan.aktzeile == row,
                    QStringLiteral("%1 %2 (Überschrift) verschiebt die "
                                   "aktuelle Zeile")
                        .arg(wie)
                        .arg(e));
            for (int r = 0; r < PlanState::zeilen; ++r)
                erwarte(
                    gleicheWahl(vorher_[r], nachher[r]),
                    QStringLiteral("%1 %2 (Überschrift) ändert Zeile %3").arg(wie).arg(e).arg(r));
            return;
        }
        erwarte(w_.zeilenBefund[row] == e,
                QStringLiteral("%1 %2 landet nicht in Zeile %3").arg(wie).arg(e).arg(row));
        erwarte(w_.plan.aktzeile == qMin(row + 1, PlanState::zeilen - 1),
                QStringLiteral("%1 %2 in Zeile %3 führt zur Zeile %4")
                    .arg(wie)
                    .arg(e)
                    .arg(row)
                    .arg(w_.plan.aktzeile));
        for (int r = 0; r < PlanState::zeilen; ++r)
            if (r != row)
                erwarte(gleicheWahl(vorher_[r], nachher[r]),
                        QStringLiteral("%1 %2 für Zeile %3 ändert auch Zeile %4")
                            .arg(wie)
                            .arg(e)
                            .arg(row)
                            .arg(r));
    }

    void listeKlick()
    {
        QListWidget *l = w_.befwahl[0];
        if (l->count() == 0)
            return;
        const int e = listenEintrag();
        l->scrollToItem(l->item(e));
        const QRect r = l->visualItemRect(l->item(e)).intersected(l->viewport()->rect());
        const QPoint p(r.left() + wuerfel(zufall_, qMax(1, r.width())),
                       r.top() + wuerfel(zufall_, qMax(1, r.height())));
        const int row = w_.plan.aktzeile;
        QWidget *c = klickBei(l->viewport(), p, QStringLiteral("liste %1").arg(e));
        if (c != l->viewport())
            return;
        erwarte(l->currentRow() == e,
                QStringLiteral("liste %1: der Eintrag wird nicht gewählt").arg(e));
        wahlErwarten(e, row, QStringLiteral("liste"));
        if (!w_.katalog.istUeberschrift(e))
            ++mausWahlen;
    }

    // A double click as the mouse sends it: press, release, press with the double click, release.
    void listeDoppelklick()
    {
        QListWidget *l = w_.befwahl[0];
        if (l->count() == 0)
            return;
        const int e = listenEintrag();
        l->scrollToItem(l->item(e));
        const QRect r = l->visualItemRect(l->item(e)).intersected(l->viewport()->rect());
        QPoint lokal;
        QWidget *c = getroffen(l->viewport(), r.center(), lokal);
        notiere(QStringLiteral("doppelklick liste %1%2")
                    .arg(e)
                    .arg(c == l->viewport() ? QString()
                                            : QStringLiteral(" [trifft %1]").arg(name(w_, c))));
        QPointer<QWidget> halt(c);
        QTest::mouseClick(c, Qt::LeftButton, {}, lokal);
        if (halt)
            QTest::mousePress(c, Qt::LeftButton, {}, lokal);
        if (halt)
            QTest::mouseDClick(c, Qt::LeftButton, {}, lokal);
        if (halt)
            QTest::mouseRelease(c, Qt::LeftButton, {}, lokal);
    }

    // The button goes down on one entry and comes up on another, a few entries away.
    void listeZiehen()
    {
        QListWidget *l = w_.befwahl[0];
        if (l->count() < 2)
            return;
        const int a = listenEintrag();
        l->scrollToItem(l->item(a));
        int b = qBound(0, a + wuerfel(zufall_, 5) - 2, l->count() - 1);
        if (b == a)
            b = a > 0 ? a - 1 : a + 1;
        const QRect ra = l->visualItemRect(l->item(a)).intersected(l->viewport()->rect());
        QPoint lokal;
        QWidget *c = getroffen(l->viewport(), ra.center(), lokal);
        notiere(QStringLiteral("ziehen liste %1 nach %2%3")
                    .arg(a)
                    .arg(b)
                    .arg(c == l->viewport() ? QString()
                                            : QStringLiteral(" [trifft %1]").arg(name(w_, c))));
        QPointer<QWidget> halt(c);
        QTest::mousePress(c, Qt::LeftButton, {}, lokal);
        if (!halt)
            return;
        QPoint ziel = lokal;
        if (c == l->viewport()) {
            const QRect rb = l->visualItemRect(l->item(b));
            ziel = rb.center();
        }
        QTest::mouseMove(c, ziel);
        if (halt)
            QTest::mouseRelease(c, Qt::LeftButton, {}, ziel);
    }

    int regioMitFokus() const
    {
        for (int r = 0; r < PlanState::zeilen; ++r)
            if (w_.regio[r]->hasFocus())
                return r;
        return -1;
    }

    // Keys in the finding list. To reach the list the user clicks the chosen bonus level and goes
    // back one step with Shift+Tab, as the list stands right before the bonus levels.
    void listeTaste()
    {
        QListWidget *l = w_.befwahl[0];
        if (!l->hasFocus()) {
            klickBonus(w_.plan.aktbonus);
            taste(Qt::Key_Backtab, Qt::ShiftModifier, QStringLiteral("Umschalt+Tab"));
        }
        static const std::pair<Qt::Key, const char *> tasten[] = {
            {Qt::Key_Down, "Runter"},
            {Qt::Key_Down, "Runter"},
            {Qt::Key_Up, "Hoch"},
            {Qt::Key_Up, "Hoch"},
            {Qt::Key_Home, "Pos1"},
            {Qt::Key_End, "Ende"},
            {Qt::Key_PageDown, "BildRunter"},
            {Qt::Key_PageUp, "BildHoch"},
        };
        const auto &[k, n] = tasten[wuerfel(zufall_, static_cast<int>(std::size(tasten)))];
        const bool inListe = l->hasFocus();
        const int row = w_.plan.aktzeile;
        const int eintragVorher = l->currentRow();
        vorher_ = stand();
        taste(k, Qt::NoModifier, QString::fromUtf8(n));
        if (!inListe)
            return;
        const int e = l->currentRow();
        if (e != eintragVorher) {
            wahlErwarten(e, row, QStringLiteral("Taste %1 zum Eintrag").arg(QString::fromUtf8(n)));
            if (!w_.katalog.istUeberschrift(e))
                ++tastenWahlen;
        } else {
            const auto nachher = stand();
            for (int r = 0; r < PlanState::zeilen; ++r)
                erwarte(gleicheWahl(vorher_[r], nachher[r]),
                        QStringLiteral("Taste %1 ohne neuen Eintrag ändert Zeile %2")
                            .arg(QString::fromUtf8(n))
                            .arg(r));
        }
    }

    void tabulator()
    {
        if (wuerfel(zufall_, 3) == 0)
            taste(Qt::Key_Backtab, Qt::ShiftModifier, QStringLiteral("Umschalt+Tab"));
        else
            taste(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("Tab"));
        const int r = regioMitFokus();
        if (r >= 0)
            erwarte(w_.plan.aktzeile == r,
                    QStringLiteral("Tab in regio(%1) macht sie nicht zur aktuellen Zeile").arg(r));
    }

    void klickBonus(int b)
    {
        QWidget *c = klickAuf(w_.bonus[b], QStringLiteral("klick bonus(%1)").arg(b));
        if (c == w_.bonus[b]) {
            erwarte(w_.plan.aktbonus == b, QStringLiteral("bonus(%1) wird nicht die Stufe").arg(b));
            for (int i = 0; i < 4; ++i)
                erwarte((w_.lblBonus[i]->frameShape() == QFrame::Box) == (i == b),
                        QStringLiteral("der Rahmen von lblBonus(%1) passt nicht zur Stufe %2")
                            .arg(i)
                            .arg(b));
        }
    }

    void ergebnisKlick()
    {
        const int row = wuerfel(zufall_, PlanState::zeilen);
        const int spalte = wuerfel(zufall_, 4);
        const std::array<Beschriftung *, PlanState::zeilen> *felder[] = {
            &w_.erg_befund, &w_.erg_anz, &w_.erg_einfach, &w_.erg_befsum};
        const char *namen[] = {"erg_befund", "erg_anz", "erg_einfach", "erg_befsum"};
        Beschriftung *ziel = (*felder[spalte])[row];
        const bool innen = wuerfel(zufall_, 6) != 0;
        QWidget *c =
            klickBei(ziel, punktIn(ziel),
                     QStringLiteral("%1 %2(%3)")
                         .arg(innen ? QStringLiteral("klick") : QStringLiteral("drücken+wegziehen"),
                              QLatin1String(namen[spalte]))
                         .arg(row),
                     Qt::LeftButton, innen);
        if (c == ziel && innen) {
            erwarte(w_.plan.aktzeile == row,
                    QStringLiteral("der Klick auf %1(%2) wählt die Zeile nicht")
                        .arg(QLatin1String(namen[spalte]))
                        .arg(row));
            erwarte(w_.regio[row]->hasFocus(),
                    QStringLiteral("nach dem Klick auf %1(%2) hat regio(%2) nicht den Fokus")
                        .arg(QLatin1String(namen[spalte]))
                        .arg(row));
        }
    }

    // Presses a detail label, looks at it while the button is down, and lets go.
    void detailDruck()
    {
        const int i = wuerfel(zufall_, 4);
        Beschriftung *l = w_.lblbefund[i];
        QPoint lokal;
        QWidget *c = getroffen(l, punktIn(l), lokal);
        notiere(QStringLiteral("drücken+loslassen lblbefund(%1)%2")
                    .arg(i)
                    .arg(c == l ? QString() : QStringLiteral(" [trifft %1]").arg(name(w_, c))));
        QTest::mousePress(c, Qt::LeftButton, {}, lokal);
        if (c == l && i >= 2) {
            erwarte(l->height() == tw(1500),
                    QStringLiteral("lblbefund(%1) wächst beim Drücken nicht").arg(i));
            erwarte(w_.txtnichtz->isVisible() == (i == 2),
                    QStringLiteral("lblbefund(%1) gedrückt: txtnichtz sichtbar=%2")
                        .arg(i)
                        .arg(w_.txtnichtz->isVisible()));
        }
        QTest::mouseRelease(c, Qt::LeftButton, {}, lokal);
    }

    void ausschlussDruck()
    {
        QPlainTextEdit *box = wuerfel(zufall_, 2) ? w_.txtnichtz : w_.txtnichtk;
        const QString n =
            box == w_.txtnichtz ? QStringLiteral("txtnichtz") : QStringLiteral("txtnichtk");
        QPoint lokal;
        QWidget *c = getroffen(box->viewport(), punktIn(box->viewport()), lokal);
        notiere(QStringLiteral("drücken+loslassen %1%2")
                    .arg(n,
                         c == box->viewport() ? QString()
                                              : QStringLiteral(" [trifft %1]").arg(name(w_, c))));
        QTest::mousePress(c, Qt::LeftButton, {}, lokal);
        if (c == box->viewport())
            erwarte(box->height() == tw(750), n + QStringLiteral(" wächst beim Drücken nicht"));
        QTest::mouseRelease(c, Qt::LeftButton, {}, lokal);
    }

    // "Drucken", then one of the eight choices; now and then the frame stays open for a while, or
    // the printer is not ready.
    void drucken()
    {
        if (!w_.drkframe->isVisible() || wuerfel(zufall_, 4) == 0) {
            QWidget *c = klickAuf(w_.cmdDrucken, QStringLiteral("klick cmdDrucken"));
            if (c == w_.cmdDrucken)
                erwarte(w_.drkframe->isVisible() && w_.drkframe->isEnabled(),
                        QStringLiteral("die Druckauswahl erscheint nicht"));
            if (wuerfel(zufall_, 5) == 0)
                return;
        }
        if (!w_.drkframe->isVisible())
            return;
        const int k = wuerfel(zufall_, 8);
        druck_ = std::make_unique<Aufzeichnung>();
        const bool bereit = wuerfel(zufall_, 8) != 0;
        druck_->setBereit(bereit);
        const int aufrufe = druckerAufrufe_;
        const qsizetype fragen = t_.gesagt.fragen.size();
        QWidget *c =
            klickAuf(w_.cmdDruckwahl[k],
                     QStringLiteral("klick cmdDruckwahl(%1)%2")
                         .arg(k)
                         .arg(bereit ? QString() : QStringLiteral(" (Drucker nicht bereit)")));
        if (c != w_.cmdDruckwahl[k])
            return;
        erwarte(w_.drkframe->isHidden() && !w_.drkframe->isEnabled(),
                QStringLiteral("die Druckauswahl bleibt nach cmdDruckwahl(%1) stehen").arg(k));
        if (k == 7) {
            erwarte(druckerAufrufe_ == aufrufe, QStringLiteral("Abbrechen druckt"));
            return;
        }
        erwarte(druckerAufrufe_ == aufrufe + 1,
                QStringLiteral("cmdDruckwahl(%1) holt den Drucker nicht genau einmal").arg(k));
        if (!bereit) {
            erwarte(t_.gesagt.fragen.size() == fragen + 1,
                    QStringLiteral("ein Drucker, der nicht bereit ist, bleibt unbemerkt"));
            erwarte(druck_->eintraege().isEmpty(), QStringLiteral("gedruckt, obwohl nicht bereit"));
            return;
        }
        ++druckLaeufe;
        erwarte(t_.gesagt.fragen.size() == fragen,
                QStringLiteral("ein gelungener Druck fragt nach"));
        erwarte(druck_->dokumentEnden() == 1, QStringLiteral("der Druck endet nicht genau einmal"));
        // The sums block shows the captions of the window, "Härtefall" first, the sum at column
        // 4 and the own share at column 6.
        const double U = druck_->breite() / 10;
        const int reihe[4] = {3, 0, 1, 2};
        for (int i = 0; i < 4; ++i) {
            const int b = reihe[i];
            const QStringList soll = {w_.lblBonus[b]->caption(),    QStringLiteral(" : "),
                                      w_.festsum[b]->caption(),     QStringLiteral(" EUR"),
                                      w_.eigenanteil[b]->caption(), QStringLiteral(" EUR")};
            const auto teile = druck_->zeile(1, 2 + i);
            QStringList ist;
            for (const auto &e : teile)
                ist << e.text;
            erwarte(ist == soll && teile[2].x == 4 * U && teile[4].x == 6 * U,
                    QStringLiteral("gedruckte Summenzeile %1 ist %2 statt %3")
                        .arg(i)
                        .arg(zitat(ist.join(u'|')), zitat(soll.join(u'|'))));
        }
        int zeilen = 0;
        for (int r = 0; r < PlanState::zeilen; ++r)
            zeilen += w_.plan.hatBefund(r) ? 1 : 0;
        int gedruckt = 0;
        for (const auto &e : druck_->eintraege())
            gedruckt += e.text == QStringLiteral("Festzuschuss:") ? 1 : 0;
        erwarte(gedruckt == zeilen,
                QStringLiteral("%1 Befundzeilen gedruckt, %2 im Plan").arg(gedruckt).arg(zeilen));
    }

    // ---- rules -----------------------------------------------------------------------------

    void erwarte(bool ok, const QString &was)
    {
        if (!ok)
            erwartung_ << was;
    }

    std::array<Zeilenstand, PlanState::zeilen> stand() const
    {
        std::array<Zeilenstand, PlanState::zeilen> s;
        for (int r = 0; r < PlanState::zeilen; ++r)
            s[r] = {w_.plan.plantext[r], w_.plan.planwert[r], w_.zeilenBefund[r]};
        return s;
    }

    // The finding of a row, its amounts and limits: what only a choice in the list changes.
    static bool gleicheWahl(const Zeilenstand &a, const Zeilenstand &b)
    {
        if (a.text != b.text || a.befund != b.befund)
            return false;
        for (int c : {0, 1, 2, 3, 10, 11, 12, 13})
            if (a.wert[c] != b.wert[c])
                return false;
        return true;
    }

    QStringList pruefen()
    {
        QStringList f;
        auto pruefe = [&f](bool ok, const QString &was) {
            if (!ok)
                f << was;
        };
        const PlanState &p = w_.plan;
        const QLocale loc = geld::anzeigeLocale();
        auto txt = [&loc](Geld g) { return geld::text(g, loc); };

        pruefe(p.aktzeile >= 0 && p.aktzeile < PlanState::zeilen,
               QStringLiteral("aktzeile %1 außerhalb 0..19").arg(p.aktzeile));
        pruefe(p.aktbonus >= 0 && p.aktbonus < PlanState::stufen,
               QStringLiteral("aktbonus %1 außerhalb 0..3").arg(p.aktbonus));
        if (!f.isEmpty())
            return f;
        for (int b = 0; b < 4; ++b)
            pruefe(w_.bonus[b]->isChecked() == (b == p.aktbonus),
                   QStringLiteral("bonus(%1) angehakt=%2 bei aktbonus %3")
                       .arg(b)
                       .arg(w_.bonus[b]->isChecked())
                       .arg(p.aktbonus));

        const QWidget *f0 = QApplication::focusWidget();
        for (int r = 0; r < PlanState::zeilen; ++r) {
            const auto &zeile = p.planwert[r];
            const int i = w_.zeilenBefund[r];
            const Befund &b = w_.katalog.befund(i);
            // The row holds exactly the finding chosen for it.
            if (i > 0) {
                pruefe(p.plantext[r][0] == b.befnr && p.plantext[r][1] == b.beftext,
                       QStringLiteral("Zeile %1: Text passt nicht zum Befund %2").arg(r).arg(i));
                for (int s = 0; s < 4; ++s)
                    pruefe(zeile[s] == geld::ausKatalog(b.befzuschuss[s]),
                           QStringLiteral("Zeile %1: Betrag der Stufe %2 passt nicht zum Befund %3")
                               .arg(r)
                               .arg(s)
                               .arg(i));
                const int quelle[4] = {0, 2, 1, 3};
                for (int g = 0; g < 4; ++g)
                    pruefe(zeile[10 + g] == geld::grenzeAusKatalog(b.befgrenze[quelle[g]]),
                           QStringLiteral("Zeile %1: Grenze %2 passt nicht zum Befund %3")
                               .arg(r)
                               .arg(10 + g)
                               .arg(i));
                pruefe(w_.erg_befund[r]->caption()
                           == p.plantext[r][0].trimmed() + QStringLiteral("  ") + p.plantext[r][1],
                       QStringLiteral("Zeile %1: erg_befund zeigt %2")
                           .arg(r)
                           .arg(zitat(w_.erg_befund[r]->caption())));
            } else {
                pruefe(p.plantext[r][0].isEmpty() && p.plantext[r][1].isEmpty(),
                       QStringLiteral("Zeile %1 ohne Befund hat einen Befundtext").arg(r));
                for (int s : {0, 1, 2, 3, 10, 11, 12, 13})
                    pruefe(zeile[s] == 0,
                           QStringLiteral("Zeile %1 ohne Befund: planwert(%1, %2) = %3")
                               .arg(r)
                               .arg(s)
                               .arg(zeile[s]));
                pruefe(w_.erg_befund[r]->caption().trimmed().isEmpty(),
                       QStringLiteral("Zeile %1 ohne Befund zeigt %2")
                           .arg(r)
                           .arg(zitat(w_.erg_befund[r]->caption())));
            }
            for (int s : {8, 14, 15})
                pruefe(zeile[s] == 0,
                       QStringLiteral("planwert(%1, %2) = %3").arg(r).arg(s).arg(zeile[s]));

            // Row sums: single amount times count, overflow shown as such.
            const std::int64_t anzahl = zeile[PlanState::spalteAnzahl];
            for (int s = 0; s < 4; ++s)
                pruefe(zeile[4 + s] == geld::mal(zeile[s], anzahl),
                       QStringLiteral("Zeile %1: Summe der Stufe %2 ist %3, %4 x %5 erwartet")
                           .arg(r)
                           .arg(s)
                           .arg(zeile[4 + s])
                           .arg(zeile[s])
                           .arg(anzahl));
            pruefe(w_.erg_einfach[r]->caption() == txt(zeile[p.aktbonus]),
                   QStringLiteral("Zeile %1: erg_einfach zeigt %2 statt %3")
                       .arg(r)
                       .arg(zitat(w_.erg_einfach[r]->caption()), zitat(txt(zeile[p.aktbonus]))));
            pruefe(w_.erg_befsum[r]->caption() == txt(zeile[4 + p.aktbonus]),
                   QStringLiteral("Zeile %1: erg_befsum zeigt %2 statt %3")
                       .arg(r)
                       .arg(zitat(w_.erg_befsum[r]->caption()), zitat(txt(zeile[4 + p.aktbonus]))));

            // The count is shown exactly where the row has a finding.
            const bool hatBefund = !w_.erg_befund[r]->caption().trimmed().isEmpty();
            const QString anz = hatBefund ? QString::number(anzahl) : QString();
            pruefe(w_.erg_anz[r]->caption() == anz,
                   QStringLiteral("Zeile %1: erg_anz zeigt %2 statt %3")
                       .arg(r)
                       .arg(zitat(w_.erg_anz[r]->caption()), zitat(anz)));

            // A box the user has left holds its cleaned text, and the row counts what it names.
            if (f0 != w_.regio[r]) {
                const RegionErgebnis &e = region(r);
                pruefe(e.text == w_.regio[r]->text(),
                       QStringLiteral("regio(%1) wurde verlassen, aber nicht bereinigt: %2")
                           .arg(r)
                           .arg(zitat(w_.regio[r]->text())));
                if (i > 0)
                    pruefe(anzahl == e.anzahl,
                           QStringLiteral("Zeile %1 zählt %2, die Region nennt %3")
                               .arg(r)
                               .arg(anzahl)
                               .arg(e.anzahl));
            }
            // Only the current row is marked.
            const bool markiert = w_.erg_befund[r]->palette().color(QPalette::Window)
                == w_.palette().color(QPalette::Base);
            pruefe(markiert == (r == p.aktzeile),
                   QStringLiteral("Zeile %1 markiert=%2 bei aktzeile %3")
                       .arg(r)
                       .arg(markiert)
                       .arg(p.aktzeile));
            if (f0 == w_.regio[r])
                pruefe(p.aktzeile == r,
                       QStringLiteral("regio(%1) hat den Fokus, aktzeile ist %2")
                           .arg(r)
                           .arg(p.aktzeile));
            if (i > 0 && w_.erg_einfach[r]->caption() == QStringView(geld::ueberlaufText))
                ++ueberlaufGesehen;
        }

        // Totals and own shares, each level.
        for (int b = 0; b < 4; ++b) {
            Geld summe = 0;
            for (int r = 0; r < PlanState::zeilen; ++r)
                summe = geld::plus(summe, p.planwert[r][4 + b]);
            pruefe(p.festsumme[b] == summe,
                   QStringLiteral("festsumme(%1) ist %2, die Zeilen ergeben %3")
                       .arg(b)
                       .arg(p.festsumme[b])
                       .arg(summe));
            pruefe(w_.festsum[b]->caption() == txt(p.festsumme[b]),
                   QStringLiteral("festsum(%1) zeigt %2 statt %3")
                       .arg(b)
                       .arg(zitat(w_.festsum[b]->caption()), zitat(txt(p.festsumme[b]))));
            const QString eigen = txt(geld::minus(p.festsumme[3], p.festsumme[b]));
            pruefe(w_.eigenanteil[b]->caption() == eigen,
                   QStringLiteral("eigenanteil(%1) zeigt %2 statt %3")
                       .arg(b)
                       .arg(zitat(w_.eigenanteil[b]->caption()), zitat(eigen)));
        }

        // What a press changes is undone when the button is let go.
        pruefe(w_.lblbefund[2]->height() == tw(855) && w_.lblbefund[3]->height() == tw(855),
               QStringLiteral("ein Detailfeld bleibt groß"));
        pruefe(w_.txtnichtz->height() == tw(285) && w_.txtnichtk->height() == tw(285),
               QStringLiteral("ein Ausschlussfeld bleibt groß"));
        pruefe(w_.txtnichtz->isVisible() && w_.txtnichtk->isVisible()
                   && w_.lblNichtzahn->isVisible() && w_.lblNichtKiefer->isVisible(),
               QStringLiteral("die Ausschlussfelder bleiben verborgen"));
        if (f0 != w_.txtnichtz)
            pruefe(w_.txtnichtz->toPlainText() == w_.nichtz_text,
                   QStringLiteral("txtnichtz zeigt nicht den Text des zuletzt gewählten Befunds"));
        if (f0 != w_.txtnichtk)
            pruefe(w_.txtnichtk->toPlainText() == w_.nichtk_text,
                   QStringLiteral("txtnichtk zeigt nicht den Text des zuletzt gewählten Befunds"));
        // The highlighted entry of the list is the one whose details are shown.
        if (const auto gewaehlt = w_.befwahl[0]->selectedItems(); !gewaehlt.isEmpty()) {
            const int e = w_.befwahl[0]->row(gewaehlt.first());
            const Befund &b = w_.katalog.befund(e);
            pruefe(w_.lblbefund[0]->caption() == b.befnr && w_.lblbefund[1]->caption() == b.beftext,
                   QStringLiteral("die Liste zeigt den Eintrag %1 gewählt, die Angaben oben zeigen "
                                  "%2")
                       .arg(e)
                       .arg(zitat(w_.lblbefund[1]->caption())));
        }
        pruefe(w_.befwahl[0]->height() == tw(3000),
               QStringLiteral("die Befundliste ist %1 Pixel hoch").arg(w_.befwahl[0]->height()));
        pruefe(w_.drkframe->isVisible() == w_.drkframe->isEnabled(),
               QStringLiteral("die Druckauswahl ist sichtbar=%1, bedienbar=%2")
                   .arg(w_.drkframe->isVisible())
                   .arg(w_.drkframe->isEnabled()));
        pruefe(t_.gesagt.meldungen.isEmpty(),
               QStringLiteral("unerwartete Meldung: %1").arg(t_.gesagt.meldungen.join(u'|')));
        return f;
    }

    // The cleaned text and count of a row's region, computed again only when they can differ.
    const RegionErgebnis &region(int r)
    {
        auto &z = regionen_[r];
        const QString text = w_.regio[r]->text();
        const auto grenzen = w_.plan.grenzen(r);
        if (!z.gueltig || z.text != text || z.grenzen != grenzen)
            z = {text, grenzen, regionAuswerten(text, grenzen), true};
        return z.ergebnis;
    }

    struct Region
    {
        QString text;
        std::array<std::int64_t, 4> grenzen {};
        RegionErgebnis ergebnis;
        bool gueltig = false;
    };

    Testfenster &t_;
    Main &w_;
    std::array<Region, PlanState::zeilen> regionen_;
    std::mt19937 zufall_;
    QStringList protokoll_;
    QStringList erwartung_;
    std::array<Zeilenstand, PlanState::zeilen> vorher_ {};
    std::unique_ptr<Aufzeichnung> druck_;
    int druckerAufrufe_ = 0;
    int seitenGeoeffnet_ = 0;
};

int ausUmgebung(const char *name, int standard)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue(name, &ok);
    return ok && n > 0 ? n : standard;
}

} // namespace

class TstZufall : public QObject
{
    Q_OBJECT

private slots:
    void zufaelligeBenutzung_data();
    void zufaelligeBenutzung();
    void listeZiehenWaehltDenMarkiertenEintrag();
};

void TstZufall::zufaelligeBenutzung_data()
{
    QTest::addColumn<unsigned>("startwert");
    if (qEnvironmentVariableIsSet("KALVOMAT_ZUFALL_SEED")) {
        const unsigned n = static_cast<unsigned>(ausUmgebung("KALVOMAT_ZUFALL_SEED", 1));
        QTest::addRow("Startwert %u", n) << n;
        return;
    }
    for (unsigned n = ersterStartwert; n <= letzterStartwert; ++n)
        QTest::addRow("Startwert %u", n) << n;
}

void TstZufall::zufaelligeBenutzung()
{
    QFETCH(unsigned, startwert);
    const int aktionen = ausUmgebung("KALVOMAT_ZUFALL_AKTIONEN", standardAktionen);
    Testfenster t({{QStringLiteral("bef.txt"), alsDatei(zufallsKatalog())},
                   {QStringLiteral("hilfe.txt"), alsDatei({QStringLiteral("Hilfe Zeile 1")})},
                   {QStringLiteral("Anmerk.txt"), alsDatei({QStringLiteral("Regeln")})}});
    // The catalogue's odd numbers are named once at start; after that nothing is said.
    QCOMPARE(t.gesagt.meldungen.size(), 1);
    t.gesagt.meldungen.clear();
    // The clear entry, then one entry per finding line.
    int eintraege = 1;
    for (const QString &z : zufallsKatalog().mid(1))
        eintraege += z.startsWith(u'\t') ? 0 : 1;
    QCOMPARE(t.w().befwahl[0]->count(), eintraege);

    // Letters typed into the finding list search one by one, as when typed slowly: with the
    // list's usual search interval of a few hundred milliseconds a replay would depend on the
    // speed of the machine (a negative value would mean the platform's default).
    QApplication::setKeyboardInputInterval(0);
    Zufallslauf lauf(t, startwert);
    const QStringList fehler = lauf.lauf(aktionen);
    auto ablauf = [&lauf] {
        QString text;
        for (qsizetype i = 0; i < lauf.protokoll().size(); ++i)
            text += QStringLiteral("%1: %2;\n").arg(i + 1, 5).arg(lauf.protokoll().at(i));
        return text;
    };
    if (!fehler.isEmpty()) {
        const QString bericht =
            QStringLiteral("Startwert %1 (nachspielen mit KALVOMAT_ZUFALL_SEED=%1 "
                           "KALVOMAT_ZUFALL_AKTIONEN=%2), nach Aktion %2:\n  %3\n"
                           "Aktionen:\n%4")
                .arg(startwert)
                .arg(lauf.protokoll().size())
                .arg(fehler.join(QStringLiteral("\n  ")), ablauf());
        QFAIL(qPrintable(bericht));
    }
    // KALVOMAT_ZUFALL_PROTOKOLL=1 lists the actions of a run that passed, too.
    if (qEnvironmentVariableIntValue("KALVOMAT_ZUFALL_PROTOKOLL") != 0)
        qInfo("Aktionen:\n%s", qPrintable(ablauf()));
    qInfo("Startwert %u: %lld Aktionen (Prüfsumme des Ablaufs %08x), %d Wahlen per Maus, %d per "
          "Taste, %d Drucke, Überlauf %d mal gesehen",
          startwert, static_cast<long long>(lauf.protokoll().size()),
          static_cast<unsigned>(qHash(lauf.protokoll().join(u'\n'), 0)), lauf.mausWahlen,
          lauf.tastenWahlen, lauf.druckLaeufe, lauf.ueberlaufGesehen);
    // A run that no longer reaches the window would pass every rule without testing anything.
    if (aktionen >= 500) {
        QVERIFY(lauf.mausWahlen >= aktionen / 50);
        QVERIFY(lauf.tastenWahlen >= aktionen / 200);
        QVERIFY(lauf.druckLaeufe >= aktionen / 200);
        QVERIFY(lauf.ueberlaufGesehen > 0);
    }
}

// The button goes down on one entry and comes up on the next one: the list highlights the second
// entry, and that is the one the current row gets, as if it had been clicked.
void TstZufall::listeZiehenWaehltDenMarkiertenEintrag()
{
    Testfenster t;
    Main &w = t.w();
    t.tippeRegion(3, "11");
    QListWidget *l = w.befwahl[0];
    const QPoint krone = l->visualItemRect(l->item(2)).center();
    const QPoint luecke = l->visualItemRect(l->item(3)).center();
    QTest::mousePress(l->viewport(), Qt::LeftButton, {}, krone);
    QTest::mouseMove(l->viewport(), luecke);
    QTest::mouseRelease(l->viewport(), Qt::LeftButton, {}, luecke);
    QCOMPARE(l->currentRow(), 3);
    QVERIFY(l->item(3)->isSelected());
    QCOMPARE(w.plan.plantext[3][1], QString("Lücke je Kiefer"));
    QCOMPARE(w.lblbefund[1]->caption(), QString("Lücke je Kiefer"));
    QCOMPARE(w.plan.aktzeile, 4);
}

QTEST_MAIN(TstZufall)
#include "tst_zufall.moc"
