// A region text with four count limits: the first 16 bytes are the limits (four 32-bit numbers),
// the next byte widens each of them to small, huge or extreme 64-bit values, the byte after that
// chooses how the rest becomes text (UTF-8 or raw UTF-16, lone surrogates included).

#include "plan/region.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kopfLaenge = 18;

void pruefe(bool bedingung)
{
    if (!bedingung)
        std::abort();
}

std::int64_t grenzeAus(std::int32_t zahl, unsigned art)
{
    switch (art & 3u) {
    case 0:
        return zahl; // as it is: negative means inactive
    case 1:
        return zahl % 40; // small limits around the real ones, -39..39
    case 2:
        return static_cast<std::int64_t>(zahl) * (std::int64_t {1} << 32);
    default:
        return zahl < 0 ? std::numeric_limits<std::int64_t>::min()
                        : std::numeric_limits<std::int64_t>::max() - (zahl & 1);
    }
}

bool nurRegionszeichen(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return QStringView(u"12345678UOK ").contains(c); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse < kopfLaenge)
        return 0;
    std::array<std::int64_t, 4> grenzen {};
    const unsigned arten = daten[16];
    for (std::size_t g = 0; g < 4; ++g) {
        std::int32_t zahl = 0;
        std::memcpy(&zahl, daten + 4 * g, sizeof zahl);
        grenzen[g] = grenzeAus(zahl, arten >> (2 * g));
    }
    const char *rest = reinterpret_cast<const char *>(daten + kopfLaenge);
    const auto restLaenge = static_cast<qsizetype>(groesse - kopfLaenge);
    QString eingabe;
    if (daten[17] & 1u) {
        eingabe.resize(restLaenge / 2);
        std::memcpy(eingabe.data(), rest, static_cast<std::size_t>(eingabe.size()) * 2);
    } else {
        eingabe = QString::fromUtf8(rest, restLaenge);
    }

    const RegionErgebnis e = regionAuswerten(eingabe, grenzen);
    pruefe(e.anzahl >= 1);
    // Every counted tooth or jaw name takes at least two characters of the text.
    pruefe(e.anzahl <= std::max<std::int64_t>(1, e.text.size()));
    pruefe(nurRegionszeichen(e.text));
    pruefe(!e.text.startsWith(u' ') && !e.text.endsWith(u' '));
    pruefe(e.text.size() <= eingabe.size());

    // The cleaned text goes back into the region box and is read again when the box is left
    // once more: nothing may change then.
    const RegionErgebnis nochmal = regionAuswerten(e.text, grenzen);
    pruefe(nochmal.text == e.text);
    pruefe(nochmal.anzahl == e.anzahl);
    return 0;
}
