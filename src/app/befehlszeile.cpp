#include "app/befehlszeile.h"

#include "katalog/katalog.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "plattform/textdatei.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int ohneFehler = 0;
constexpr int mitFehlern = 1;
constexpr int nichtLesbar = 2;

const QString hilfe = QStringLiteral(
    "Aufruf: kalvomat [--pruefen [DATEI]] [--help] [--version]\n"
    "\n"
    "Ohne Optionen öffnet Kalvomat sein Fenster und liest den Befundkatalog „bef.txt“, die\n"
    "Hilfe „hilfe.txt“ und die Abrechnungshinweise „Anmerk.txt“ aus dem Arbeitsordner.\n"
    "\n"
    "Optionen:\n"
    "  --pruefen [DATEI]  prüft den Befundkatalog DATEI (ohne DATEI: bef.txt im Arbeitsordner)\n"
    "                     so, wie Kalvomat ihn liest, und nennt jeden Fehler und Hinweis in\n"
    "                     einer Zeile mit Zeilennummer und Feld, am Ende die Zahl der Fehler\n"
    "                     und Hinweise. Öffnet kein Fenster.\n"
    "  -h, --help         zeigt diese Hilfe.\n"
    "  -v, --version      zeigt die Versionsnummer.\n"
    "\n"
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
    const Textinhalt datei = textinhalt(*bytes);
    const QList<Pruefmeldung> meldungen = katalogPruefen(datei, katalogAusZeilen(datei.zeilen));
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
        aus << QStringLiteral("kalvomat 1.3\n");
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
