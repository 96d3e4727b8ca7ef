#pragma once

// The practice's text files on disk. Only the bytes are read here; textzeilen() of the catalogue
// turns them into lines.

#include <QByteArray>
#include <QString>

#include <optional>

// The whole content of the file at pfad; nullopt when it is missing, cannot be read or is not a
// plain file (a folder, a device, a pipe that would block the start). With hoechstens >= 0 at most
// that many bytes and one more are read, enough to tell that a file is too large.
std::optional<QByteArray> dateiLesen(const QString &pfad, qint64 hoechstens = -1);

// Why dateiLesen found nothing at pfad, as a German sentence: the file is missing (named with the
// working folder), is a folder, or cannot be read.
QString lesefehler(const QString &pfad);

// Replaces the file at pfad by inhalt in one step: written to a temporary file beside it, then
// renamed. Returns an empty text on success, else the reason; an existing file is then unchanged.
QString dateiErsetzen(const QString &pfad, const QByteArray &inhalt);

// Creates an empty file at pfad when there is none. An existing file is left exactly as it is.
// False when there is no file at pfad afterwards (the folder is not writable, pfad is a folder).
bool leerAnlegenFallsFehlt(const QString &pfad);
