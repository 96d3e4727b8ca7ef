#pragma once

// A proposal of findings from the dental chart, as plan rows take it: each finding goes into a
// free row with its teeth as the region (OK or UK for a finding per jaw), by its number in the
// catalogue.

#include "katalog/katalog.h"
#include "zahnschema/vorschlag.h"

// The region a plan row gets for the finding: its teeth in ascending order, "14 15", or the jaw
// for a finding counted per jaw.
QString vorschlagsRegion(const VorgeschlagenerBefund &befund);

// The teeth as the proposal table shows them: "14 15", or "OK (14 15)" for a finding per jaw.
QString vorschlagsZaehne(const VorgeschlagenerBefund &befund);

// The finding of the catalogue with this number (the first one, headings never); 0 when there
// is none.
int befundNachNummer(const Katalog &katalog, const QString &nr);

// What taking a proposal into the plan found worth a word.
struct Uebernahmebericht
{
    int fehlendeZeilen = 0; // more findings than free rows: nothing was taken
    int befunde = 0; // the findings that would go into rows
    int freieZeilen = 0;
    QStringList andereAnzahl; // "Zeile 3: Befund 2.1 zählt im Plan 1, vorgeschlagen 2."
    QStringList nichtImKatalog; // "2.7 (15 25)"
};

// The message the user reads after "In den Plan übernehmen"; empty when all went as proposed.
QString uebernahmeMeldung(const Uebernahmebericht &bericht);
