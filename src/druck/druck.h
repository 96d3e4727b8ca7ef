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

// Every row starts without a known finding index.
constexpr std::array<int, PlanState::zeilen> keineBefundIndizes()
{
    std::array<int, PlanState::zeilen> a {};
    a.fill(-1);
    return a;
}

struct DruckDaten
{
    QString patient; // text of the Patient box
    std::array<QString, 4> lblBonus; // captions of the level labels
    std::array<QString, 4> festsum; // captions of the totals
    std::array<QString, 4> eigenanteil; // captions of the own shares
    std::array<QString, PlanState::zeilen> regio; // texts of the region boxes
    PlanState plan;
    // The catalogue index of the finding chosen for each row, -1 when unknown. Finding texts need
    // not be unique: the row's services are those of this finding as long as its text still
    // equals the row's finding text; otherwise the finding is looked up by its text.
    std::array<int, PlanState::zeilen> befundIndex = keineBefundIndizes();
    QDate datum; // start of the run; a null date or time is taken from the clock
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

// Prints the report of kind incl (0..6) and ends the document; false when the surface is not ready
// (then nothing is drawn), when ending the document failed, or for any other incl (nothing drawn).
bool druck(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, int incl,
           Leistarray &bemaTabelle, Leistarray &belTabelle);
