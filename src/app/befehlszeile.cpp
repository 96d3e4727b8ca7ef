#include "app/befehlszeile.h"
#include "app/vorschlag_aufruf.h"

#include "katalog/katalog.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "plattform/textdatei.h"
#include "version.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int ohneFehler = 0;
constexpr int mitFehlern = 1;
constexpr int nichtLesbar = 2;

const QString hilfe = QStringLiteral(
    "Aufruf: kalvomat [--pruefen [DATEI]] [--vorschlag DATEI [--json]] [--help] [--version]\n"
    "\n"
    "Ohne Optionen öffnet Kalvomat sein Fenster und liest den Befundkatalog „bef.txt“, die\n"
    "Hilfe „hilfe.txt“ und die Abrechnungshinweise „Anmerk.txt“ aus dem Arbeitsordner.\n"
    "\n"
    "Optionen:\n"
    "  --pruefen [DATEI]  prüft den Befundkatalog DATEI (ohne DATEI: bef.txt im Arbeitsordner)\n"
    "                     so, wie Kalvomat ihn liest, und nennt jeden Fehler und Hinweis in\n"
    "                     einer Zeile mit Zeilennummer und Feld, am Ende die Zahl der Fehler\n"
    "                     und Hinweise. Öffnet kein Fenster.\n"
    "  --vorschlag DATEI  schlägt die Festzuschuss-Befunde vor, die das Zahnschema in DATEI\n"
    "                     ergibt (- liest die Standardeingabe): je Befund eine Zeile mit\n"
    "                     Nummer, Anzahl, Zähnen, Begründung und was zu prüfen ist, danach\n"
    "                     die Hinweise. Öffnet kein Fenster.\n"
    "  --json             gibt den Vorschlag stattdessen als JSON aus.\n"
    "  -h, --help         zeigt diese Hilfe.\n"
    "  -v, --version      zeigt die Versionsnummer.\n"
    "\n"
    "Das Zahnschema für --vorschlag ist UTF-8-Text, je Eintrag „ZAHN KÜRZEL [ANGABE …]“\n"
    "oder „OK|UK VERSORGUNG“, getrennt durch Zeilenende, Komma oder Semikolon; # beginnt\n"
    "einen Kommentar. Nicht genannte Zähne sind vorhanden und gesund. Beispiel:\n"
    "\n"
    "  16 f, 15 ww       # fehlender 16, zerstörter 15\n"
    "  27 f ohne-ersatz  # fehlender 7er, braucht keinen Ersatz\n"
    "  28 kein-anker     # 8er, nicht als Brückenanker verwendbar\n"
    "  36 x              # nicht erhaltungswürdig\n"
    "  UK bruecke        # geplante Versorgung: bruecke, modellguss, kombination,\n"
    "                    # deckprothese oder interim\n"
    "\n"
    "Kürzel: a aw ab abw b bw e ew f ix k kw pw pkw r rw sk skw se sew st stw t tw t2w ur\n"
    "ww x )( (auch i für sk und sw für skw).\n"
    "\n"
    "Rückgabewert von --vorschlag: 0 mit Vorschlag, 1 bei Fehlern im Zahnschema (jeder mit\n"
    "Zeile und Wort), 2 wenn die Datei nicht gelesen werden kann.\n"
    "Rückgabewert von --pruefen: 0 ohne Fehler, 1 bei Fehlern, 2 wenn die Datei nicht\n"
    "gelesen werden kann.\n");

int pruefen(const QString &pfad, QTextStream &aus, QTextStream &err)
{
    const QFileInfo info(pfad);
    const auto bytes = dateiLesen(pfad);
    if (!bytes) {
        if (!info.exists())
            err << QStringLiteral("kalvomat: Die Datei „%1“ gibt es nicht (Ordner „%2“).\n")
                       .arg(pfad, QDir::toNativeSeparators(QDir::currentPath()));
        else if (info.isDir())
            err << QStringLiteral("kalvomat: „%1“ ist ein Ordner, keine Datei.\n").arg(pfad);
        else
            err << QStringLiteral("kalvomat: Die Datei „%1“ kann nicht gelesen werden (fehlt "
                                  "das Leserecht?).\n")
                       .arg(pfad);
        return nichtLesbar;
    }
    const QStringList zeilen = textzeilen(*bytes);
    const QList<Pruefmeldung> meldungen = katalogPruefen(zeilen, katalogAusZeilen(zeilen));
    for (const Pruefmeldung &m : meldungen)
        aus << alsZeile(m) << '\n';
    aus << zusammenfassung(meldungen) << '\n';
    const bool fehler = std::any_of(meldungen.begin(), meldungen.end(), [](const auto &m) {
        return m.art == Pruefmeldung::Art::Fehler;
    });
    return fehler ? mitFehlern : ohneFehler;
}

} // namespace

std::optional<int> befehlszeile(int argc, char **argv)
{
    if (const auto code = vorschlagAufruf(argc, argv))
        return code;
    QStringList argumente;
    bool fuerUns = false;
    const QStringList eigene = {QStringLiteral("--pruefen"), QStringLiteral("-h"),
                                QStringLiteral("--help"), QStringLiteral("-v"),
                                QStringLiteral("--version")};
    for (int i = 0; i < argc; ++i) {
        QString argument = QString::fromLocal8Bit(argv[i]);
        // "--pruefen=DATEI" is read as "--pruefen DATEI".
        if (i > 0 && argument.startsWith(QStringLiteral("--pruefen="))) {
            argumente.append(QStringLiteral("--pruefen"));
            argument.remove(0, 10);
            fuerUns = true;
        }
        fuerUns = fuerUns || (i > 0 && eigene.contains(argument));
        argumente.append(argument);
    }
    // Everything else belongs to the window, Qt's own options included.
    if (!fuerUns)
        return std::nullopt;

    QTextStream aus(stdout);
    QTextStream err(stderr);
    QCommandLineParser parser;
    const QCommandLineOption pruefOption(QStringLiteral("pruefen"));
    const QCommandLineOption hilfeOption(QStringList {QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(
        QStringList {QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({pruefOption, hilfeOption, versionOption});
    const bool gelesen = parser.parse(argumente);
    if (gelesen && parser.isSet(hilfeOption)) {
        aus << hilfe;
        return ohneFehler;
    }
    if (gelesen && parser.isSet(versionOption)) {
        aus << QStringLiteral("kalvomat %1\n").arg(kalvomatVersion);
        return ohneFehler;
    }
    const QStringList dateien = parser.positionalArguments();
    if (!gelesen || dateien.size() > 1) {
        const QString was = !parser.unknownOptionNames().isEmpty()
            ? QStringLiteral("unbekannte Option „%1%2“")
                  .arg(parser.unknownOptionNames().first().size() == 1 ? u"-" : u"--",
                       parser.unknownOptionNames().first())
            : QStringLiteral("zu viele Argumente");
        err << QStringLiteral("kalvomat: %1. Aufruf: kalvomat --pruefen [DATEI]; mehr dazu: "
                              "kalvomat --help\n")
                   .arg(was);
        return nichtLesbar;
    }
    return pruefen(dateien.isEmpty() ? QStringLiteral("bef.txt") : dateien.first(), aus, err);
}
