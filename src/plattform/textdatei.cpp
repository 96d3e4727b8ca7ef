#include "textdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

std::optional<QByteArray> dateiLesen(const QString &pfad, qint64 hoechstens)
{
    // isFile() is true only for plain files (also behind a symbolic link).
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile())
        return std::nullopt;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray inhalt = hoechstens >= 0 ? datei.read(hoechstens + 1) : datei.readAll();
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

QString dateiErsetzen(const QString &pfad, const QByteArray &inhalt)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return datei.errorString();
    if (datei.write(inhalt) != inhalt.size()) {
        const QString grund = datei.errorString();
        datei.cancelWriting();
        return grund;
    }
    if (!datei.commit())
        return datei.errorString();
    return QString();
}

QString lesefehler(const QString &pfad)
{
    const QFileInfo info(pfad);
    if (!info.exists())
        return QStringLiteral("Die Datei „%1“ gibt es nicht (Ordner „%2“).")
            .arg(pfad, QDir::toNativeSeparators(QDir::currentPath()));
    if (info.isDir())
        return QStringLiteral("„%1“ ist ein Ordner, keine Datei.").arg(pfad);
    return QStringLiteral("Die Datei „%1“ kann nicht gelesen werden (fehlt das Leserecht?).")
        .arg(pfad);
}
