#pragma once

// The print run: one report of the plan on a print surface. It only reads a snapshot of the plan;
// the two service tables are filled and sorted on the way.

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
// Their names, as the buttons of the print choice show them.
inline constexpr std::array<const char16_t *, berichtsarten> berichtsName = {
    u"nur Festzuschüsse", u"BEMA je Befund",     u"BEL je Befund",  u"BEMA gesamt",
    u"BEL gesamt",        u"BEMA+BEL je Befund", u"BEMA+BEL gesamt"};

// The suggested name of a report's PDF file: the patient, the date and the kind of report, made
// safe for a file name as the name of a plan file is.
QString pdfDateiname(const QString &patient, QDate datum, Berichtsart art);

// Prints the report and ends the document; false when the surface is not ready (then nothing is
// drawn) or when ending the document failed.
bool druck(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, Berichtsart art,
           Leistarray &bemaTabelle, Leistarray &belTabelle);
