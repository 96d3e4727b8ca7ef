// Arbitrary bytes as a number text of the catalogue, read once as Windows-1252 (the file's
// encoding) and once as UTF-8 (text typed into the program): the value may be infinite but is
// never NaN, and bytes that read alike in both encodings give the same value.

#include "katalog/zahlwert.h"

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

bool gleich(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    const QByteArrayView bytes(daten, static_cast<qsizetype>(groesse));
    static QStringDecoder windows1252("windows-1252");
    pruefe(windows1252.isValid());

    const QString ausDatei = windows1252.decode(bytes);
    const QString getippt = QString::fromUtf8(bytes);
    const double wertDatei = zahlwert(ausDatei);
    const double wertGetippt = zahlwert(getippt);
    pruefe(!std::isnan(wertDatei));
    pruefe(!std::isnan(wertGetippt));
    if (ausDatei == getippt)
        pruefe(gleich(wertDatei, wertGetippt));

    // Blanks are skipped wherever they stand.
    QString ohneBlanks = ausDatei;
    ohneBlanks.remove(u' ');
    pruefe(gleich(zahlwert(ohneBlanks), wertDatei));
    return 0;
}
