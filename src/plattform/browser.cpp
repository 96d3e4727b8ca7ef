#include "browser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {
// The browsers xdg-open tries by name when the desktop names none.
const char *const bekannteBrowser[] = {
    "x-www-browser",    "firefox",       "iceweasel",   "seamonkey",
    "mozilla",          "epiphany",      "konqueror",   "chromium",
    "chromium-browser", "google-chrome", "www-browser", "links2",
    "elinks",           "links",         "lynx",        "w3m"};
} // namespace

bool DesktopSeitenoeffner::oeffnen(const QUrl &adresse)
{
    if (!adresse.isValid() || adresse.isEmpty())
        return false;
    // Qt hands the page to xdg-open, which starts in any case and then, finding no browser,
    // ends without a word; so the browser is looked for first.
    return browserVorhanden(umgebung_) && QDesktopServices::openUrl(adresse);
}

bool browserVorhanden(const QProcessEnvironment &umgebung)
{
    const QStringList pfade =
        umgebung.value(QStringLiteral("PATH")).split(u':', Qt::SkipEmptyParts);
    const auto programm = [&](const QString &name) {
        return pfade.isEmpty() ? QString() : QStandardPaths::findExecutable(name, pfade);
    };
    // BROWSER holds programs separated by ":", each perhaps with its arguments.
    for (const QString &b : umgebung.value(QStringLiteral("BROWSER")).split(u':'))
        if (!b.trimmed().isEmpty() && !programm(b.trimmed().section(u' ', 0, 0)).isEmpty())
            return true;
    for (const char *name : bekannteBrowser)
        if (!programm(QString::fromLatin1(name)).isEmpty())
            return true;
    // The desktop's program for HTML pages, also one installed apart from the system's packages.
    const QString xdgMime = programm(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return false;
    QProcess frage;
    frage.setProcessEnvironment(umgebung);
    frage.start(xdgMime,
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/html")});
    return frage.waitForFinished(5000) && frage.exitStatus() == QProcess::NormalExit
        && frage.exitCode() == 0 && !frage.readAllStandardOutput().trimmed().isEmpty();
}

QUrl supportSeite(const QString &programmOrdner)
{
    // QDir joins without doubling the separator: a folder "/" must not give "//linkzuvelmar.html",
    // which a file URL would read as a network host.
    return QUrl::fromLocalFile(
        QDir(programmOrdner).absoluteFilePath(QStringLiteral("linkzuvelmar.html")));
}

bool seiteVorhanden(const QUrl &adresse)
{
    return adresse.isLocalFile() && QFileInfo(adresse.toLocalFile()).isFile();
}
