// The proposal of a dental chart, as the chart dialog will ask for it on every keystroke: typical
// charts, the dearest ones (every tooth with a code, the check of both 7s, a jaw of implants),
// random charts, and the chart text read and proposed. Each case runs in batches; the table shows
// the median of the batch means and the slowest batch, in microseconds.

#include "messung.h"
#include "zahnschema/vorschlag.h"
#include "zahnschema/zahnschema_text.h"

#include <chrono>
#include <cstdlib>
#include <functional>
#include <random>

namespace {

using Uhr = std::chrono::steady_clock;

volatile qsizetype senke = 0; // keeps results alive

Zahnschema schema(const char *text)
{
    return zahnschemaLesen(QString::fromUtf8(text)).schema;
}

// Median and maximum of the batch means, in microseconds.
std::pair<double, double> messen(int batches, int jeBatch, const std::function<void(int)> &aufruf)
{
    std::vector<double> mittel;
    for (int b = 0; b < batches; ++b) {
        const auto t0 = Uhr::now();
        for (int k = 0; k < jeBatch; ++k)
            aufruf(b * jeBatch + k);
        mittel.push_back(std::chrono::duration<double, std::micro>(Uhr::now() - t0).count()
                         / jeBatch);
    }
    return {median(mittel), maximum(mittel)};
}

} // namespace

int main(int argc, char **argv)
{
    const int batches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int jeBatch = 50;
    const char *klasse2 = "16 f, 14 f, 13 ww, 36 f, 47 f, 46 kw";
    const char *klasse3 = "16 f, 17 f, 18 f, 26 f, 27 f, 28 f, 11 f, 12 ww, 34 f, 35 f, 36 f, "
                          "37 f, 38 f, 44 f, 45 f, 46 f, 47 f, 48 f, 43 ww, UK kombination";
    const char *klasse4 = "11 f, 12 f, 14 f, 15 f, 16 f, 18 f, 21 f, 22 f, 24 f, 25 f, 26 f, "
                          "27 f, 28 f, 13 ww, 23 r, OK deckprothese, 36 skw, 45 pw";
    // Every tooth named; free ends only through the 7s, so the check of their answer runs;
    // chained gaps, crowns and implants to renew in both jaws.
    const char *voll = "11 ww, 12 f, 13 kw, 14 f, 15 pkw, 16 tw, 17 f, 18 f, 21 ur, 22 x, "
                       "23 k, 24 ew, 25 ww, 26 skw, 27 f, 28 f, 31 skw, 32 skw, 33 r, 34 bw, "
                       "35 skw, 36 skw, 37 skw, 38 t2w, 41 aw, 42 abw, 43 stw, 44 sew, 45 e, "
                       "46 b, 47 f, 48 kein-anker, OK bruecke";
    const char *vollText = voll;

    std::mt19937 zufall(16);
    std::vector<Zahnschema> zufaellige(1000);
    for (Zahnschema &s : zufaellige) {
        for (const int z : Zahnschema::alleZaehne()) {
            const unsigned w = zufall();
            // Mostly sound and missing teeth, as on real charts.
            const Kuerzel k = w % 4 == 0 ? static_cast<Kuerzel>(w / 4 % anzahlKuerzel)
                                         : (w % 4 == 1 ? Kuerzel::f : Kuerzel::ohne);
            s.setzen(z, {k, (w & 0x100) != 0, (w & 0x200) != 0});
        }
        s.setzeVersorgung(Kiefer::OK, static_cast<Versorgung>(zufall() % 6));
        s.setzeVersorgung(Kiefer::UK, static_cast<Versorgung>(zufall() % 6));
    }

    const std::vector<std::pair<std::string, Zahnschema>> faelle = {
        {"leeres Zahnschema", Zahnschema()},
        {"Klasse 2 (2.1, 2.5, 2.7)", schema(klasse2)},
        {"Klasse 3 (Ausnahme OK, 3.2)", schema(klasse3)},
        {"Klasse 4 (Deckprothese)", schema(klasse4)},
        {"jeder Zahn mit Kürzel", schema(voll)},
    };
    Tabelle t({"Fall", "Median µs", "langsamster Batch µs"});
    for (const auto &fall : faelle) {
        const Zahnschema &s = fall.second;
        const auto [m, max] =
            messen(batches, jeBatch, [&s](int) { senke = senke + vorschlagen(s).befunde.size(); });
        t.zeile({fall.first, zahl(m), zahl(max)});
    }
    const auto [mz, maxz] = messen(batches, jeBatch, [&](int i) {
        senke = senke + vorschlagen(zufaellige[static_cast<std::size_t>(i) % 1000]).befunde.size();
    });
    t.zeile({"1000 zufällige Zahnschemata", zahl(mz), zahl(maxz)});
    const auto [mt, maxt] = messen(batches, jeBatch, [&](int) {
        const GelesenesZahnschema g = zahnschemaLesen(QString::fromUtf8(vollText));
        senke = senke + vorschlagen(g.schema).befunde.size() + zahnschemaText(g.schema).size();
    });
    t.zeile({"jeder Zahn: lesen, vorschlagen, schreiben", zahl(mt), zahl(maxt)});
    t.drucken("Vorschlag aus dem Zahnschema (" + std::to_string(batches) + " Batches zu "
              + std::to_string(jeBatch) + " Aufrufen)");
    return 0;
}
