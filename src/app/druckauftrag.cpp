#include "app/druckauftrag.h"

#include "app/dialoge.h"
#include "druck/druckflaeche.h"
#include "plattform/qt_druckflaeche.h"

#include <QDir>

Druckauftrag::Druckauftrag()
    : druckerFabrik_(
        [] { return std::unique_ptr<Druckflaeche>(QtDruckflaeche::standardDrucker()); }),
      pdfFabrik_([](const QString &pfad) {
          return std::unique_ptr<Druckflaeche>(QtDruckflaeche::pdfDatei(pfad));
      })
{
}

void Druckauftrag::drucken(const DruckDaten &daten, const Katalog &katalog, Berichtsart art,
                           Dialoge &dialoge)
{
    QString grund;
    {
        const auto flaeche = druckerFabrik_();
        if (flaeche && druck(*flaeche, daten, katalog, art, bema_, bel_))
            return;
        // The cause as the system gave it, where it gave one.
        grund = flaeche ? flaeche->fehlerGrund() : QString();
    }
    if (dialoge.frage(QStringLiteral("Beim Drucken auf Ihren Drucker gab es Probleme.\n\n")
                      + (grund.isEmpty() ? QString() : grund + QStringLiteral("\n\n"))
                      + QStringLiteral("Möchten Sie den Bericht stattdessen als PDF-Datei "
                                       "speichern?")))
        alsPdf(daten, katalog, art, dialoge);
}

void Druckauftrag::alsPdf(const DruckDaten &daten, const Katalog &katalog, Berichtsart art,
                          Dialoge &dialoge)
{
    const QString pfad = dialoge.pdfSpeicherort(pdfDateiname(
        daten.plan.patient, daten.datum.isValid() ? daten.datum : QDate::currentDate(), art));
    if (pfad.isEmpty())
        return;
    const auto pdf = pdfFabrik_(pfad);
    if (pdf && druck(*pdf, daten, katalog, art, bema_, bel_))
        return;
    const QString grund = pdf ? pdf->fehlerGrund() : QString();
    dialoge.meldung(QStringLiteral("Die PDF-Datei „%1“ konnte nicht geschrieben werden%2.")
                        .arg(QDir::toNativeSeparators(pfad),
                             grund.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(grund)));
}
