// Arbitrary bytes as a number text, read as Windows-1252 (a catalogue) and as UTF-8 (typed): the
// value may be infinite but never NaN, blanks never change it, and equal texts read alike.

#include "katalog/zahlwert.h"

#include <QStringDecoder>

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArrayView bytes(daten, static_cast<qsizetype>(groesse));
    QString datei = QStringDecoder("windows-1252").decode(bytes);
    const double a = zahlwert(datei), b = zahlwert(QString::fromUtf8(bytes));
    const double ohneBlanks = zahlwert(datei.remove(u' '));
    if (std::isnan(a) || std::isnan(b) || std::memcmp(&a, &ohneBlanks, sizeof a) != 0
        || (datei == QString::fromUtf8(bytes).remove(u' ') && std::memcmp(&a, &b, sizeof a) != 0))
        std::abort();
    return 0;
}
