// A region text with four count limits: 16 bytes give the limits (four 32-bit numbers), the next
// byte widens each of them (as it is, small, times 2^32, or the 64-bit extremes), the byte after
// that says whether the rest is UTF-8 or raw UTF-16 (lone surrogates included).

#include "plan/region.h"

#include <cstdlib>
#include <cstring>
#include <limits>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse < 18)
        return 0;
    std::array<std::int64_t, 4> grenzen {};
    for (std::size_t g = 0; g < 4; ++g) {
        std::int32_t z = 0;
        std::memcpy(&z, daten + 4 * g, sizeof z);
        const std::int64_t extrem = z < 0 ? std::numeric_limits<std::int64_t>::min()
                                          : std::numeric_limits<std::int64_t>::max();
        const std::int64_t arten[] = {z, z % 40, std::int64_t {z} * (std::int64_t {1} << 32),
                                      extrem};
        grenzen[g] = arten[(daten[16] >> (2 * g)) & 3u];
    }
    const auto *rest = reinterpret_cast<const char *>(daten + 18);
    const auto n = static_cast<qsizetype>(groesse - 18);
    QString eingabe = QString::fromUtf8(rest, n);
    if (daten[17] & 1u) {
        eingabe.resize(n / 2);
        std::memcpy(eingabe.data(), rest, static_cast<std::size_t>(n / 2) * 2);
    }

    const RegionErgebnis e = regionAuswerten(eingabe, grenzen);
    // At least 1 and at most the 32 permanent teeth, each counted once; every tooth or jaw
    // counted takes two characters; only region characters stay.
    bool ok = e.anzahl >= 1 && e.anzahl <= 32 && e.anzahl <= std::max<qsizetype>(1, e.text.size())
        && e.text.size() <= eingabe.size();
    ok = ok && e.text == e.text.trimmed();
    for (const QChar c : e.text)
        ok = ok && QStringView(u"12345678UOK ").contains(c);
    // Leaving the box again changes nothing.
    const RegionErgebnis nochmal = regionAuswerten(e.text, grenzen);
    if (!ok || nochmal.text != e.text || nochmal.anzahl != e.anzahl)
        std::abort();
    return 0;
}
