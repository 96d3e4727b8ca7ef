#pragma once

// The services of standard care on the report: the BEMA and BEL list under a finding, the feeding
// of the two service tables for the totals, the sorted totals, and the billing notice that the
// marker "BEMA 2004" stands for.

#include <QString>

class Leistarray;
struct Drucklauf;

inline constexpr auto bemaMarker = u"BEMA 2004";
inline constexpr auto nichtAufgenommenText = u"Weitere Leistungen passten nicht in die Liste.";

void bemaListe(Drucklauf &lauf, int zeile);
void belListe(Drucklauf &lauf, int zeile);

// Adds the row's services to a total; false when the table had no room for one of them.
bool zurBemaSumme(const Drucklauf &lauf, int zeile, Leistarray &summe);
bool zurBelSumme(const Drucklauf &lauf, int zeile, Leistarray &summe);

// Sorts a total and prints it under "BEMA (sort.):" / "BEL (sort.):"; when services were left out
// for want of room (`unvollstaendig`), a line below the list says so.
void sortierteBemaSumme(Drucklauf &lauf, Leistarray &summe, bool unvollstaendig);
void sortierteBelSumme(Drucklauf &lauf, Leistarray &summe, bool unvollstaendig);

// The six lines of the billing notice at x = tabwidth, each after a page check.
void Bema_erst_Bemdruck(Drucklauf &lauf, double tabwidth);
