#include "druck/druck.h"

#include "druck/druckflaeche.h"
#include "druck/drucklauf.h"
#include "druck/leistungslisten.h"
#include "druck/zusammenfassung.h"
#include "leistungen/leistarray.h"

bool druck(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, int incl,
           Leistarray &bemaTabelle, Leistarray &belTabelle)
{
    if (incl < nurFestzuschuesse || incl > bemaBelGesamt || !flaeche.bereit())
        return false;

    Drucklauf lauf(flaeche, daten, katalog);
    lauf.seite = 1;
    lauf.hinweisGedruckt = false;
    flaeche.setSchriftgroesse(10);
    lauf.U = static_cast<float>(flaeche.breite()) / 10.0f;
    // Date and time of the run's start, on every page.
    lauf.datum = daten.datum.isValid() ? daten.datum : QDate::currentDate();
    lauf.zeit = daten.zeit.isValid() ? daten.zeit : QTime::currentTime();

    druckKopf(lauf);
    summenblock(lauf);
    wertezeile(lauf);

    // The totals start empty in every run, whatever it prints.
    bemaTabelle.init();
    belTabelle.init();
    bool bemaVollstaendig = true;
    bool belVollstaendig = true;

    for (int i = 0; i < PlanState::zeilen; ++i) {
        if (!daten.plan.hatBefund(i))
            continue;
        befundzeile(lauf, i);
        evtl_neue_druckseite(lauf);
        if (incl == nurFestzuschuesse)
            continue;
        if (incl == bemaJeBefund || incl == bemaBelJeBefund)
            bemaListe(lauf, i);
        else if (incl == bemaGesamt || incl == bemaBelGesamt)
            bemaVollstaendig = zurBemaSumme(lauf, i, bemaTabelle) && bemaVollstaendig;
        evtl_neue_druckseite(lauf);
        if (incl == belJeBefund || incl == bemaBelJeBefund)
            belListe(lauf, i);
        else if (incl == belGesamt || incl == bemaBelGesamt)
            belVollstaendig = zurBelSumme(lauf, i, belTabelle) && belVollstaendig;
    }

    if (incl == bemaGesamt || incl == bemaBelGesamt)
        sortierteBemaSumme(lauf, bemaTabelle, !bemaVollstaendig);
    if (incl == belGesamt || incl == bemaBelGesamt)
        sortierteBelSumme(lauf, belTabelle, !belVollstaendig);

    return flaeche.dokumentEnde();
}
