#pragma once

// The plan the user builds: 20 rows with the finding assigned to each, its subsidies per bonus
// level, the row sums, the count and the count limits; the totals per level; the chosen level and
// the current row. The region text of a row is not part of it: it lives in the row's region box.

#include "plan/geld.h"

#include <QString>

#include <array>
#include <cstdint>

struct PlanState
{
    static constexpr int zeilen = 20; // plan rows 0..19
    static constexpr int stufen = 4; // bonus levels 0..3

    // Columns of planwert.
    static constexpr int spalteSumme = 4; // 4..7: row sum per level
    static constexpr int spalteAnzahl = 9; // the row's count
    static constexpr int spalteGrenze = 10; // 10..13: limits in the crossed order 0, 2, 1, 3

    // planwert(row, col): 0..3 single subsidy per level, 4..7 row sums (units of 1/10000 EUR),
    // 9 count, 10..13 count limits (negative = inactive). Columns 8, 14, 15 stay 0.
    std::array<std::array<std::int64_t, 16>, zeilen> planwert {};
    // plantext(row, 0) befnr, plantext(row, 1) beftext of the row's finding; empty when none.
    std::array<std::array<QString, 2>, zeilen> plantext;
    std::array<Geld, stufen> festsumme {};
    int aktbonus = 0; // 0..3
    int aktzeile = 0; // 0..19

    // A row has a finding when its finding text is not empty after trimming.
    bool hatBefund(int row) const { return !plantext[row][1].trimmed().isEmpty(); }
    // The limits of a row as the region count reads them: columns 10..13.
    std::array<std::int64_t, 4> grenzen(int row) const
    {
        const auto &w = planwert[row];
        return {w[10], w[11], w[12], w[13]};
    }
};
