#pragma once

// Reading a tooth region ("11,12 21", "OK UK", "18UK") and counting its teeth within the four
// count limits of the row's finding.

#include <QString>

#include <array>
#include <cstdint>

struct RegionErgebnis
{
    QString text; // the normalised text that goes back into the region box
    std::int64_t anzahl = 1; // the count, at least 1
};

// grenzen are the row's limits in the order the count reads them (Planzeile::grenzen).
RegionErgebnis regionAuswerten(const QString &eingabe, const std::array<std::int64_t, 4> &grenzen);
