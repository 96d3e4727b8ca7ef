#pragma once

// A report on its way out of the window: the print run on the default printer, the question after
// a failed print, and the report written into a PDF file that the user names. The window hands it
// a snapshot of the plan and the kind of report.

#include "druck/druck.h"
#include "leistungen/leistarray.h"

#include <QString>

#include <functional>
#include <memory>

class Dialoge;
class Druckflaeche;
class Katalog;

class Druckauftrag
{
public:
    using DruckerFabrik = std::function<std::unique_ptr<Druckflaeche>()>;
    using PdfFabrik = std::function<std::unique_ptr<Druckflaeche>(const QString &)>;

    // The real default printer and PDF files.
    Druckauftrag();

    void setDruckerFabrik(DruckerFabrik fabrik) { druckerFabrik_ = std::move(fabrik); }
    void setPdfFabrik(PdfFabrik fabrik) { pdfFabrik_ = std::move(fabrik); }

    // Prints on the default printer; when that fails, offers to save the report as a PDF file.
    void drucken(const DruckDaten &daten, const Katalog &katalog, Berichtsart art,
                 Dialoge &dialoge);
    // Asks for a file name and writes the report into that PDF file.
    void alsPdf(const DruckDaten &daten, const Katalog &katalog, Berichtsart art, Dialoge &dialoge);

private:
    DruckerFabrik druckerFabrik_;
    PdfFabrik pdfFabrik_;
    // The totals of services of the last run: cleared, filled and sorted by every run.
    Leistarray bema_ {Leistarray::bemaGroesse};
    Leistarray bel_ {Leistarray::belGroesse};
};
