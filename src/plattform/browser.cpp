#include "browser.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

bool DesktopSeitenoeffner::oeffnen(const QUrl &adresse)
{
    if (!adresse.isValid() || adresse.isEmpty())
        return false;
    return QDesktopServices::openUrl(adresse);
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
