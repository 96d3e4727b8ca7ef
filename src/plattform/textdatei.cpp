#include "textdatei.h"

#include <QFile>
#include <QFileInfo>

std::optional<QByteArray> dateiLesen(const QString &pfad)
{
    // isFile() is true only for plain files (also behind a symbolic link).
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile())
        return std::nullopt;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        return std::nullopt;
    return inhalt;
}

bool leerAnlegenFallsFehlt(const QString &pfad)
{
    if (pfad.isEmpty())
        return false;
    if (QFileInfo(pfad).isFile())
        return true;
    // NewOnly creates the file only if nothing is there, in one step: a file that appeared in
    // the meantime is never truncated.
    QFile datei(pfad);
    if (datei.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        datei.close();
        return true;
    }
    return QFileInfo(pfad).isFile();
}
