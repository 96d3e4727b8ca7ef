#include "app/befehlszeile.h"
#include "app/vorschlag_aufruf.h"

#include "katalog/katalog.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "plattform/textdatei.h"
#include "version.h"

#include <QTextStream>

#include <algorithm>

namespace {

constexpr int ohneFehler = 0;
constexpr int mitFehlern = 1;
constexpr int nichtLesbar = 2; // also: arguments that do not fit

enum class Wert { keiner, noetig, wahlweise };

// An option of the program's own command-line uses, which need no window and no display. A value
// is written "--option WERT" or "--option=WERT"; an optional one is taken from the next argument
// unless that starts with "-".
struct Option
{
    QStringView name;
    QStringView kurz; // "-h" beside "--help"; empty when there is none
    Wert wert;
    QStringView wertName; // how the help names the value
    QStringView hilfe; // lines of the help text, "\n" between them
};

// The options of the command-line uses. One line per option; what an option does is decided in
// befehlszeile() at the end of this file.
const Option optionen[] = {
    {u"--pruefen",
     {},
     Wert::wahlweise,
     u"DATEI",
     u"prüft den Befundkatalog DATEI (ohne DATEI: bef.txt im Arbeitsordner)\n"
     u"so, wie Kalvomat ihn liest, und nennt jeden Fehler und Hinweis in\n"
     u"einer Zeile mit Zeilennummer und Feld, am Ende die Zahl der Fehler\n"
     u"und Hinweise. Öffnet kein Fenster."},
    {u"--vorschlag",
     {},
     Wert::noetig,
     u"DATEI",
     u"schlägt die Festzuschuss-Befunde vor, die das Zahnschema in DATEI\n"
     u"ergibt (- liest die Standardeingabe): je Befund eine Zeile mit\n"
     u"Nummer, Anzahl, Zähnen, Begründung und was zu prüfen ist, danach\n"
     u"die Hinweise. Öffnet kein Fenster."},
    {u"--json", {}, Wert::keiner, {}, u"gibt den Vorschlag stattdessen als JSON aus."},
    {u"--help", u"-h", Wert::keiner, {}, u"zeigt diese Hilfe."},
    {u"--version", u"-v", Wert::keiner, {}, u"zeigt die Versionsnummer."},
};

// Qt's own options for the window, which QApplication takes from the arguments itself, with one
// dash or two: those of every Qt program and those of the X11 platform. They are accepted beside
// the command-line uses too, and then have no effect.
struct Fensteroption
{
    QStringView name;
    bool mitWert; // "-style Fusion"
    bool auchMitGleich; // "-style=Fusion" as well
};

const Fensteroption fensteroptionen[] = {
    {u"-platform", true, false},
    {u"-platformpluginpath", true, false},
    {u"-platformtheme", true, false},
    {u"-plugin", true, false},
    {u"-qwindowgeometry", true, false},
    {u"-qwindowicon", true, false},
    {u"-qwindowtitle", true, false},
    {u"-session", true, false},
    {u"-style", true, true},
    {u"-stylesheet", true, true},
    {u"-reverse", false, false},
    {u"-widgetcount", false, false},
    {u"-display", true, false},
    {u"-geometry", true, false},
    {u"-title", true, false},
    {u"-icon", true, false},
    {u"-name", true, false},
};

const Option *eigeneOption(QStringView name)
{
    const auto o = std::find_if(std::begin(optionen), std::end(optionen), [&](const Option &x) {
        return name == x.name || (!x.kurz.isEmpty() && name == x.kurz);
    });
    return o == std::end(optionen) ? nullptr : o;
}

const Fensteroption *fensteroption(QStringView name)
{
    if (name.startsWith(u"--"))
        name = name.sliced(1);
    const auto o = std::find_if(std::begin(fensteroptionen), std::end(fensteroptionen),
                                [&](const Fensteroption &x) { return name == x.name; });
    return o == std::end(fensteroptionen) ? nullptr : o;
}

// "kalvomat [--pruefen [DATEI]] [--vorschlag DATEI] [--json] [--help] [--version]"
QString aufrufZeile()
{
    QStringList teile;
    for (const Option &o : optionen) {
        QString teil = o.name.toString();
        if (o.wert == Wert::noetig)
            teil += u' ' + o.wertName.toString();
        else if (o.wert == Wert::wahlweise)
            teil += QStringLiteral(" [%1]").arg(o.wertName);
        teile << u'[' + teil + u']';
    }
    return QStringLiteral("kalvomat ") + teile.join(u' ');
}

QString hilfe()
{
    QString text = QStringLiteral("Aufruf: %1\n"
                                  "\n"
                                  "Ohne Optionen öffnet Kalvomat sein Fenster und liest den "
                                  "Befundkatalog „bef.txt“, die\n"
                                  "Hilfe „hilfe.txt“ und die Abrechnungshinweise „Anmerk.txt“ "
                                  "aus dem Arbeitsordner.\n"
                                  "\n"
                                  "Optionen:\n")
                       .arg(aufrufZeile());
    constexpr qsizetype spalte = 21;
    for (const Option &o : optionen) {
        QString links = QStringLiteral("  ");
        if (!o.kurz.isEmpty())
            links += o.kurz.toString() + QStringLiteral(", ");
        links += o.name.toString();
        if (o.wert == Wert::noetig)
            links += u' ' + o.wertName.toString();
        else if (o.wert == Wert::wahlweise)
            links += QStringLiteral(" [%1]").arg(o.wertName);
        const QStringList zeilen = o.hilfe.toString().split(u'\n');
        text += links.leftJustified(spalte - 1) + u' ' + zeilen.first() + u'\n';
        for (qsizetype i = 1; i < zeilen.size(); ++i)
            text += QString(spalte, u' ') + zeilen[i] + u'\n';
    }
    return text
        + QStringLiteral(
               "\n"
               "Die Fensteroptionen von Qt (-platform, -style, -geometry, -reverse und andere) "
               "gelten für\n"
               "das Fenster. Unbekannte Optionen und Argumente meldet Kalvomat, ohne ein Fenster "
               "zu öffnen.\n"
               "\n"
               "Das Zahnschema für --vorschlag ist UTF-8-Text, je Eintrag „ZAHN KÜRZEL [ANGABE "
               "…]“\n"
               "oder „OK|UK VERSORGUNG“, getrennt durch Zeilenende, Komma oder Semikolon; # "
               "beginnt\n"
               "einen Kommentar. Nicht genannte Zähne sind vorhanden und gesund. Beispiel:\n"
               "\n"
               "  16 f, 15 ww       # fehlender 16, zerstörter 15\n"
               "  27 f ohne-ersatz  # fehlender 7er, braucht keinen Ersatz\n"
               "  28 kein-anker     # 8er, nicht als Brückenanker verwendbar\n"
               "  36 x              # nicht erhaltungswürdig\n"
               "  UK bruecke        # geplante Versorgung: bruecke, modellguss, kombination,\n"
               "                    # deckprothese oder interim\n"
               "\n"
               "Kürzel: a aw ab abw b bw e ew f ix k kw pw pkw r rw sk skw se sew st stw t tw t2w "
               "ur\n"
               "ww x )( (auch i für sk und sw für skw).\n"
               "\n"
               "Rückgabewert: 2 bei unbekannten oder unvollständigen Optionen und Argumenten;\n"
               "von --pruefen 0 ohne Fehler, 1 bei Fehlern, 2 wenn die Datei nicht\n"
               "gelesen werden kann; von --vorschlag 0 mit Vorschlag, 1 bei Fehlern im\n"
               "Zahnschema (jeder mit Zeile und Wort), 2 wenn die Datei nicht gelesen werden "
               "kann.\n");
}

// The spelling of an option without dashes, case and umlauts, to recognise a near miss.
QString grundform(QStringView name)
{
    QString s = name.toString().toLower();
    while (s.startsWith(u'-'))
        s.remove(0, 1);
    return s.replace(u'ä', QStringLiteral("ae"))
        .replace(u'ö', QStringLiteral("oe"))
        .replace(u'ü', QStringLiteral("ue"))
        .replace(u'ß', QStringLiteral("ss"));
}

QString unbekannteOption(const QString &name)
{
    const QString form = grundform(name);
    QString vorschlag;
    for (const Option &o : optionen) {
        const QString ziel = grundform(o.name);
        if (form.size() >= 3 && (ziel.startsWith(form) || form.startsWith(ziel)))
            vorschlag = QStringLiteral(" Gemeint ist wohl „%1“.").arg(o.name);
    }
    return QStringLiteral("unbekannte Option „%1“.%2").arg(name, vorschlag);
}

// The arguments as Kalvomat reads them, before any window exists.
struct Aufruf
{
    QString fehler; // what does not fit, as a German sentence; empty when everything does
    QList<std::pair<const Option *, QString>> optionen; // own options given, with their values
    QStringList argumente; // the arguments that are no option

    qsizetype anzahl(QStringView name) const
    {
        return std::count_if(optionen.begin(), optionen.end(),
                             [&](const auto &o) { return o.first->name == name; });
    }
    bool hat(QStringView name) const { return anzahl(name) > 0; }
    // The values given with the option, in order.
    QStringList werte(QStringView name) const
    {
        QStringList w;
        for (const auto &[option, wert] : optionen) {
            if (option->name == name && !wert.isEmpty())
                w << wert;
        }
        return w;
    }
};

Aufruf lesen(const QStringList &argumente)
{
    Aufruf a;
    bool nurArgumente = false;
    for (qsizetype i = 0; i < argumente.size() && a.fehler.isEmpty(); ++i) {
        const QString &arg = argumente.at(i);
        const bool istOption = !nurArgumente && arg.size() > 1 && arg.startsWith(u'-');
        if (!istOption) {
            a.argumente << arg;
            continue;
        }
        if (arg == u"--") {
            nurArgumente = true;
            continue;
        }
        const qsizetype gleich = arg.indexOf(u'=');
        const QString name = gleich < 0 ? arg : arg.first(gleich);
        const bool naechstesIstWert = i + 1 < argumente.size();
        if (const Option *o = eigeneOption(name)) {
            QString wert = gleich < 0 ? QString() : arg.sliced(gleich + 1);
            if (o->wert == Wert::keiner && gleich >= 0) {
                a.fehler = QStringLiteral("„%1“ nimmt keinen Wert.").arg(name);
            } else if (gleich < 0 && o->wert != Wert::keiner && naechstesIstWert
                       && (argumente.at(i + 1) == u"-" || !argumente.at(i + 1).startsWith(u'-'))) {
                wert = argumente.at(++i);
            } else if (o->wert == Wert::noetig ? wert.isEmpty() : gleich >= 0 && wert.isEmpty()) {
                a.fehler = QStringLiteral("Nach „%1“ fehlt %2.")
                               .arg(name,
                                    o->wertName == u"DATEI" ? QStringLiteral("der Dateiname")
                                                            : QStringLiteral("ein Wert"));
            }
            a.optionen.append({o, wert});
        } else if (const Fensteroption *f = fensteroption(name)) {
            if (gleich >= 0 && !f->mitWert)
                a.fehler = QStringLiteral("„%1“ nimmt keinen Wert.").arg(name);
            else if (gleich >= 0 && !f->auchMitGleich)
                a.fehler = QStringLiteral("„%1“ nimmt den Wert ohne „=“: %1 WERT.").arg(name);
            else if (f->mitWert && gleich < 0 && !naechstesIstWert)
                a.fehler = QStringLiteral("Nach „%1“ fehlt ein Wert.").arg(name);
            else if (f->mitWert && gleich < 0)
                ++i; // the value belongs to the option, whatever it looks like, as in Qt
        } else {
            a.fehler = unbekannteOption(name);
        }
    }
    return a;
}

int pruefen(const QString &pfad, QTextStream &aus, QTextStream &err)
{
    const auto bytes = dateiLesen(pfad);
    if (!bytes) {
        err << QStringLiteral("kalvomat: ") << lesefehler(pfad) << u'\n';
        return nichtLesbar;
    }
    const Textinhalt datei = textinhalt(*bytes);
    const QList<Pruefmeldung> meldungen = katalogPruefen(datei, katalogAusZeilen(datei.zeilen));
    for (const Pruefmeldung &m : meldungen)
        aus << alsZeile(m) << u'\n';
    aus << zusammenfassung(meldungen) << u'\n';
    const bool fehler = std::any_of(meldungen.begin(), meldungen.end(), [](const auto &m) {
        return m.art == Pruefmeldung::Art::Fehler;
    });
    return fehler ? mitFehlern : ohneFehler;
}

} // namespace

std::optional<int> befehlszeile(int argc, char **argv)
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const Aufruf aufruf = lesen(argumente);

    QTextStream aus(stdout);
    QTextStream err(stderr);
    const auto falsch = [&](const QString &was) {
        err << QStringLiteral("kalvomat: %1 Aufruf: %2; mehr dazu: kalvomat --help\n")
                   .arg(was, aufrufZeile());
        return nichtLesbar;
    };
    if (!aufruf.fehler.isEmpty())
        return falsch(aufruf.fehler);
    // Without an option of its own the program opens its window, which takes no file.
    if (aufruf.optionen.isEmpty()) {
        if (!aufruf.argumente.isEmpty())
            return falsch(QStringLiteral("unbekanntes Argument „%1“; das Fenster liest seine "
                                         "Dateien aus dem Arbeitsordner.")
                              .arg(aufruf.argumente.first()));
        return std::nullopt;
    }
    if (aufruf.hat(u"--help")) {
        aus << hilfe();
        return ohneFehler;
    }
    if (aufruf.hat(u"--version")) {
        aus << QStringLiteral("kalvomat %1\n").arg(kalvomatVersion);
        return ohneFehler;
    }
    // Each command-line use reads one file, given with its option or beside it.
    const auto zuViele = [&](const QString &was, const QStringList &dateien) {
        return falsch(QStringLiteral("zu viele Argumente: %1 eine Datei, genannt sind „%2“.")
                          .arg(was, dateien.join(QStringLiteral("“, „"))));
    };
    // A switch named twice ("--json --json") is a slip, not a wish.
    for (const auto &[option, wert] : aufruf.optionen)
        if (option->wert == Wert::keiner && aufruf.anzahl(option->name) > 1)
            return falsch(QStringLiteral("„%1“ ist mehr als einmal genannt.").arg(option->name));
    if (aufruf.hat(u"--vorschlag")) {
        if (aufruf.hat(u"--pruefen"))
            return falsch(QStringLiteral("--vorschlag und --pruefen gehen nur einzeln."));
        const QStringList dateien = aufruf.werte(u"--vorschlag") + aufruf.argumente;
        if (dateien.size() > 1)
            return zuViele(QStringLiteral("--vorschlag liest"), dateien);
        return vorschlagAusgeben(dateien.first(), aufruf.hat(u"--json"), aus, err);
    }
    if (aufruf.hat(u"--json"))
        return falsch(QStringLiteral("--json gilt nur mit --vorschlag."));
    // Further command-line uses come here, each "if (aufruf.hat(…)) return …;". The one left is
    // the check, whose file may also stand before the option.
    const QStringList dateien = aufruf.werte(u"--pruefen") + aufruf.argumente;
    if (dateien.size() > 1)
        return zuViele(QStringLiteral("--pruefen prüft"), dateien);
    return pruefen(dateien.isEmpty() ? QStringLiteral("bef.txt") : dateien.first(), aus, err);
}
