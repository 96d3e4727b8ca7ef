#pragma once

// The plan the user builds: 20 rows, each with its region text, the finding assigned to it, the
// finding's subsidies per bonus level, the row sums, the count and the count limits; the totals per
// level; the patient, the chosen level and the current row; and the dental chart the findings
// were taken from, kept with the plan. The window shows it; the plan file,
// the report and the tests read it.

#include "plan/geld.h"
#include "zahnschema/zahnschema.h"

#include <QString>

#include <array>
#include <cstdint>

inline constexpr int bonusStufen = 4; // bonus levels 0..3

// The names of the bonus levels, as the window labels them and the report repeats them.
inline constexpr std::array<const char16_t *, bonusStufen> bonusName = {u"ohne Bonus", u"Bonus 20%",
                                                                        u"Bonus 30%", u"Härtefall"};

struct Planzeile
{
    QString region; // as the region box shows it: cleaned when the box was left
    int befund = 0; // the finding's index in the catalogue; 0 for none
    QString befnr; // number and text of the finding; empty when the row has none
    QString beftext;
    std::array<Geld, bonusStufen> einfach {}; // single subsidy per level
    std::array<Geld, bonusStufen> summe {}; // row sum per level: single subsidy × count
    std::int64_t anzahl = 0; // the count; 0 for a row whose finding was cleared
    // The finding's four count limits in the order the count reads them: the catalogue's limits
    // 0, 2, 1, 3 (overall, per jaw, then the two that replace the count). Negative: inactive.
    std::array<std::int64_t, 4> grenzen {};

    // A row has a finding when its finding text is not empty after trimming.
    bool hatBefund() const { return !beftext.trimmed().isEmpty(); }
    bool operator==(const Planzeile &) const = default;
};

struct PlanState
{
    static constexpr int zeilen = 20; // plan rows 0..19
    static constexpr int stufen = bonusStufen;

    std::array<Planzeile, zeilen> zeile;
    std::array<Geld, stufen> festsumme {}; // sum of the row sums of all rows, per level
    QString patient;
    int aktbonus = 0; // 0..3
    int aktzeile = 0; // 0..19: the row the next finding goes to
    Zahnschema zahnschema;
    bool operator==(const PlanState &) const = default;
};
