#pragma once

// The subsidy arithmetic of the plan, on plain data; the window shows what it returns.

#include "plan/plan_state.h"

class Katalog;

// Row sums of one row for all four levels: column b times the count (columns 4..7).
void berechne_erg(PlanState &plan, int row);
// festsumme(0..3): the sum of the row sums of all 20 rows per level.
void berechne_Festsum(PlanState &plan);
// berechne_erg for every row 0..19, then the totals.
void berechne_allerg(PlanState &plan);
// The own-share estimate at level b: total of level 3 minus total of level b.
Geld eigenanteil(const PlanState &plan, int b);

// Puts finding i of the catalogue into a row: number and text, count 1 (0 for the clear entry
// i = 0), the four amounts converted to units, the limits in the crossed order 0, 2, 1, 3.
// Recomputes the row sums and totals. Headings are not the caller's to pass here.
void befundUebernehmen(PlanState &plan, int row, const Katalog &katalog, int i);
