#pragma once

// The subsidy arithmetic of the plan, on plain data.

#include "plan/plan_state.h"

class Katalog;

// The row sums of one row for all four levels: single subsidy times the count.
void zeilensummen(Planzeile &zeile);
// festsumme(0..3): the sum of the row sums of all 20 rows per level.
void berechne_Festsum(PlanState &plan);
// The row sums of every row, then the totals.
void berechne_allerg(PlanState &plan);
// The own-share estimate at level b (0..3): total of level 3 minus total of level b.
Geld eigenanteil(const PlanState &plan, int b);

// Puts finding i of the catalogue into a row: its index, number and text, the four amounts
// converted to units, the limits in the order the count reads them, and the count 1 (0 for the
// clear entry i = 0). The row sums are the caller's to compute once the count is known. Headings
// are not the caller's to pass here.
void befundUebernehmen(Planzeile &zeile, const Katalog &katalog, int i);
