#pragma once

// The print run: one report of the plan on a print surface. It only reads a snapshot of the plan;
// the two service tables are filled and sorted on the way.

#include "plan/plan_state.h"

#include <QDate>
#include <QTime>

class Druckflaeche;
class Katalog;
class Leistarray;

struct DruckDaten
{
    PlanState plan;
    QDate datum; // start of the run; a null date or time is taken from the clock
    QTime zeit;
};

// The seven kinds of report, numbered as the buttons of the print choice.
enum class Berichtsart {
    nurFestzuschuesse,
    bemaJeBefund,
    belJeBefund,
    bemaGesamt,
    belGesamt,
    bemaBelJeBefund,
    bemaBelGesamt
};
inline constexpr int berichtsarten = 7;

// Prints the report and ends the document; false when the surface is not ready (then nothing is
// drawn) or when ending the document failed.
bool druck(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, Berichtsart art,
           Leistarray &bemaTabelle, Leistarray &belTabelle);
