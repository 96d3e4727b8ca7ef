#pragma once

// The print run: one report of the plan on a print surface. It only reads a snapshot of what the
// window shows; the two service tables are filled and sorted on the way.

#include "plan/plan_state.h"

#include <QDate>
#include <QString>
#include <QTime>

#include <array>

class Druckflaeche;
class Katalog;
class Leistarray;

struct DruckDaten
{
    QString patient; // text of the Patient box
    std::array<QString, 4> lblBonus; // captions of the level labels
    std::array<QString, 4> festsum; // captions of the totals
    std::array<QString, 4> eigenanteil; // captions of the own shares
    std::array<QString, PlanState::zeilen> regio; // texts of the region boxes
    PlanState plan;
    QDate datum;
    QTime zeit;
};

// The seven kinds of report, by the index of their button.
enum Druckwahl : int {
    nurFestzuschuesse = 0,
    bemaJeBefund = 1,
    belJeBefund = 2,
    bemaGesamt = 3,
    belGesamt = 4,
    bemaBelJeBefund = 5,
    bemaBelGesamt = 6,
    abbrechen = 7
};

// Prints the report of kind incl (0..6) and ends the document; false when the surface failed.
bool druck(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, int incl,
           Leistarray &bemaTabelle, Leistarray &belTabelle);
