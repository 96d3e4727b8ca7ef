#pragma once

// The top of every report and its finding lines: the sums of all four bonus levels with the
// estimated own shares, the line naming the level whose values follow, and one line per plan row.

struct Drucklauf;

// The sums title and one line per level in the order Härtefall, ohne Bonus, Bonus 20%, Bonus 30%,
// then an empty line.
void summenblock(Drucklauf &lauf);
// " Werte (in EUR ) ..." with the chosen level in single quotes, then an empty line.
void wertezeile(Drucklauf &lauf);
// "Festzuschuss:", the region right-aligned to 2.8 U, the finding, count, single subsidy and row
// sum of the chosen level; the line is ended. A region too wide for its room goes on in further
// lines below, each right-aligned to 2.8 U; the lines start a new page together when this one
// cannot hold them.
void befundzeile(Drucklauf &lauf, int zeile);
