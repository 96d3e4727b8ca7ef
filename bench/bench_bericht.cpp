// Report benchmark: the largest report the program can print (20 rows whose findings carry 100
// BEMA and 100 BEL services each), every kind 0..6, on the recording surface and into a PDF file
// through the real print surface, against drawing the same text items with a bare QPainter into a
// PDF (same printer class and resolution, A4, font size 10, same positions and pages).

#include "druck/aufzeichnung.h"
#include "druck/druck.h"
#include "druck/weiterleitung.h"
#include "katalog/katalog.h"
#include "leistungen/leistarray.h"
#include "messung.h"
#include "plan/berechnung.h"
#include "plattform/qt_druckflaeche.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <vector>

namespace {

using Uhr = std::chrono::steady_clock;

double milli(Uhr::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

constexpr int befundAnzahl = PlanState::zeilen;
constexpr int eintraegeJeBefund = 100;

// 20 findings, each with 100 BEMA and 100 BEL services. Entry k has the same number in every
// finding, so the totals merge them as they would merge a real plan's services.
Katalog grosserKatalog()
{
    QStringList zeilen {QStringLiteral("Nr\tBefund\tBeschreibung\tHinweis")};
    for (int b = 1; b <= befundAnzahl; ++b) {
        for (int k = 0; k < eintraegeJeBefund; ++k) {
            QStringList f(20);
            if (k == 0) {
                f[0] = QStringLiteral("%1.%2").arg(1 + b / 10).arg(b % 10);
                f[1] = QStringLiteral("Befund %1 mit einem Listentext").arg(b);
                f[2] = QStringLiteral("Beschreibung des Befunds %1").arg(b);
                f[4] = QStringLiteral("%1,78").arg(100 + b);
                f[5] = QStringLiteral("%1,06").arg(120 + b);
                f[6] = QStringLiteral("%1,20").arg(130 + b);
                f[7] = QStringLiteral("%1,50").arg(200 + b);
                f[8] = f[9] = f[10] = f[11] = QStringLiteral("-1");
            }
            f[16] = QStringLiteral("%1").arg(k + 1, 3, 10, QLatin1Char('0'));
            f[17] = QStringLiteral("BEMA-Leistung %1 mit einem Text wie im Katalog").arg(k + 1);
            f[18] = QStringLiteral("0%1").arg(k + 1, 3, 10, QLatin1Char('0'));
            f[19] = QStringLiteral("BEL-Leistung %1 mit einem Text wie im Katalog").arg(k + 1);
            zeilen << f.join(u'\t');
        }
    }
    return katalogAusZeilen(zeilen);
}

DruckDaten volleDaten(const Katalog &katalog)
{
    DruckDaten d;
    d.plan.patient = QStringLiteral("Beispiel,Anton");
    for (int row = 0; row < PlanState::zeilen; ++row) {
        Planzeile &z = d.plan.zeile[row];
        befundUebernehmen(z, katalog, row + 1);
        z.region = QStringLiteral("11 12 13 14");
    }
    berechne_allerg(d.plan);
    d.datum = QDate(2026, 12, 6);
    d.zeit = QTime(20, 15);
    return d;
}

// Passes everything on to a real surface and notes where each text went (twips, page).
class Mitschrift : public Weiterleitung
{
public:
    struct Posten
    {
        int seite;
        double x;
        double y;
        QString text;
    };

    explicit Mitschrift(Druckflaeche &ziel) : Weiterleitung(ziel) { }
    void drucke(const QString &t) override
    {
        posten.push_back({seite_, ziel_.x(), ziel_.y(), t});
        ziel_.drucke(t);
    }
    void neueSeite() override
    {
        ++seite_;
        ziel_.neueSeite();
    }

    std::vector<Posten> posten;

private:
    int seite_ = 1;
};

// The same texts at the same places with nothing but QPrinter and QPainter.
bool nacktZeichnen(const std::vector<Mitschrift::Posten> &posten, const QString &pfad)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    QPainter maler;
    if (!maler.begin(&drucker))
        return false;
    QFont schrift;
    schrift.setPointSize(10);
    maler.setFont(schrift);
    const double twipsProPixel = 1440.0 / drucker.resolution();
    const double ascent = QFontMetricsF(schrift, &drucker).ascent();
    int seite = 1;
    for (const auto &p : posten) {
        for (; seite < p.seite; ++seite)
            drucker.newPage();
        maler.drawText(QPointF(p.x / twipsProPixel, p.y / twipsProPixel + ascent), p.text);
    }
    return maler.end();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int laeufe = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    QGuiApplication app(argc, argv);
    QTemporaryDir ordner;
    if (!ordner.isValid())
        return 1;

    const Katalog katalog = grosserKatalog();
    const DruckDaten daten = volleDaten(katalog);
    Leistarray bema(Leistarray::bemaGroesse);
    Leistarray bel(Leistarray::belGroesse);

    const char *artName[7] = {"0 nur Festzuschüsse", "1 BEMA je Befund", "2 BEL je Befund",
                              "3 BEMA gesamt",       "4 BEL gesamt",     "5 BEMA+BEL je Befund",
                              "6 BEMA+BEL gesamt"};
    Tabelle t({"Art", "Posten", "Seiten", "Aufzeichnung ms", "PDF QtDruckflaeche ms",
               "PDF QPainter nackt ms", "Verhältnis", "Ziel", "erfüllt"});
    bool fehler = false;
    for (int nr = 0; nr < berichtsarten; ++nr) {
        const auto art = static_cast<Berichtsart>(nr);
        // Where every item goes on the real surface, once, untimed.
        std::vector<Mitschrift::Posten> posten;
        int seiten = 0;
        {
            auto pdf = QtDruckflaeche::pdfDatei(ordner.filePath(QStringLiteral("mitschrift.pdf")));
            Mitschrift m(*pdf);
            fehler |= !druck(m, daten, katalog, art, bema, bel);
            posten = std::move(m.posten);
            seiten = posten.empty() ? 0 : posten.back().seite;
        }

        std::vector<double> aufz, pdf, nackt;
        for (int lauf = 0; lauf < laeufe; ++lauf) {
            auto t0 = Uhr::now();
            {
                Aufzeichnung a;
                fehler |= !druck(a, daten, katalog, art, bema, bel);
            }
            aufz.push_back(milli(Uhr::now() - t0));

            const QString pfadA = ordner.filePath(QStringLiteral("bericht.pdf"));
            const QString pfadB = ordner.filePath(QStringLiteral("nackt.pdf"));
            // Alternating order between the two PDF writers.
            for (int k = 0; k < 2; ++k) {
                const bool bericht = (lauf + k) % 2 == 0;
                t0 = Uhr::now();
                if (bericht) {
                    auto f = QtDruckflaeche::pdfDatei(pfadA);
                    fehler |= !druck(*f, daten, katalog, art, bema, bel);
                    f.reset();
                    pdf.push_back(milli(Uhr::now() - t0));
                } else {
                    fehler |= !nacktZeichnen(posten, pfadB);
                    nackt.push_back(milli(Uhr::now() - t0));
                }
            }
        }
        const double v = median(pdf) / median(nackt);
        t.zeile({artName[nr], std::to_string(posten.size()), std::to_string(seiten),
                 zahl(median(aufz), 2), zahl(median(pdf)), zahl(median(nackt)), zahl(v, 2) + "x",
                 "<= 1.5x", v <= 1.5 ? "ja" : "nein"});
    }
    t.drucken("Largest report (20 rows x 100 BEMA + 100 BEL), medians of " + std::to_string(laeufe)
              + " runs");
    if (fehler) {
        std::fprintf(stderr, "Ein Druck ist fehlgeschlagen\n");
        return 1;
    }
    return 0;
}
