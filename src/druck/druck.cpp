#include "druck/druck.h"

#include "druck/druckflaeche.h"
#include "druck/drucklauf.h"
#include "druck/leistungslisten.h"
#include "druck/zusammenfassung.h"
#include "leistungen/leistarray.h"
#include "plan/plandatei.h"

bool druck(Druckflaeche &flaeche, const DruckDaten &daten, const Katalog &katalog, Berichtsart art,
           Leistarray &bemaTabelle, Leistarray &belTabelle)
{
    if (!flaeche.bereit())
        return false;

    using enum Berichtsart;
    const bool bemaListen = art == bemaJeBefund || art == bemaBelJeBefund;
    const bool belListen = art == belJeBefund || art == bemaBelJeBefund;
    const bool bemaSumme = art == bemaGesamt || art == bemaBelGesamt;
    const bool belSumme = art == belGesamt || art == bemaBelGesamt;

    flaeche.setSchriftgroesse(10);
    // Date and time of the run's start, on every page.
    Drucklauf lauf(flaeche, daten, katalog,
                   daten.datum.isValid() ? daten.datum : QDate::currentDate(),
                   daten.zeit.isValid() ? daten.zeit : QTime::currentTime());

    druckKopf(lauf);
    summenblock(lauf);
    wertezeile(lauf);

    // The totals start empty in every run, whatever it prints.
    bemaTabelle.init();
    belTabelle.init();
    bool bemaVollstaendig = true;
    bool belVollstaendig = true;

    for (int i = 0; i < PlanState::zeilen; ++i) {
        if (!daten.plan.zeile[i].hatBefund())
            continue;
        befundzeile(lauf, i);
        evtl_neue_druckseite(lauf);
        if (art == nurFestzuschuesse)
            continue;
        if (bemaListen)
            bemaListe(lauf, i);
        else if (bemaSumme)
            bemaVollstaendig = zurBemaSumme(lauf, i, bemaTabelle) && bemaVollstaendig;
        evtl_neue_druckseite(lauf);
        if (belListen)
            belListe(lauf, i);
        else if (belSumme)
            belVollstaendig = zurBelSumme(lauf, i, belTabelle) && belVollstaendig;
    }

    if (bemaSumme)
        sortierteBemaSumme(lauf, bemaTabelle, !bemaVollstaendig);
    if (belSumme)
        sortierteBelSumme(lauf, belTabelle, !belVollstaendig);

    return flaeche.dokumentEnde();
}

QString pdfDateiname(const QString &patient, QDate datum, Berichtsart art)
{
    return plandatei::dateiname(
        patient, datum, QString::fromUtf16(berichtsName[static_cast<std::size_t>(art)]), u"pdf");
}
