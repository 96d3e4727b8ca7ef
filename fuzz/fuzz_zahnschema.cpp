// The chart reader and the proposal (fuzz_zahnschema.optionen keeps inputs at 4 KiB: a chart
// of every tooth is under 1 KiB, and longer texts only slow the search down). An even first byte
// makes the rest chart text for the reader, whose chart (when read without error) goes on to the
// proposal; an odd one makes the rest a chart: a byte per tooth 11 … 48 (code in the low five bits,
// the two answers in the next two), then the care of OK and UK. Every proposal: its teeth exist and
// lie in the finding's jaw, ascending; every count is at least 1; the findings come by jaw and
// number, one per number and jaw; no tooth that borders a gap of 2.1 to 2.5 gets 1.1 or 1.3; the
// same chart gives the same proposal. Every chart written as text reads back without error as the
// same text.

#include "pruefe.h"
#include "zahnschema/vorschlag.h"
#include "zahnschema/zahnschema_text.h"

#include <QSet>

#include <algorithm>
#include <cstdint>

namespace {

// The first tooth beside a gap tooth, away from it: gap closures and missing teeth are passed.
int nachbar(Kiefer k, int zahn, qsizetype richtung, const Zahnschema &s)
{
    const QList<int> bogen = Zahnschema::bogen(k);
    for (qsizetype i = bogen.indexOf(zahn) + richtung; i >= 0 && i < bogen.size(); i += richtung) {
        const Zahnart art = zahnart(s.befund(bogen[i]).kuerzel);
        if (art != Zahnart::fehlt && art != Zahnart::lueckenschluss)
            return bogen[i];
    }
    return 0;
}

void pruefeVorschlag(const Zahnschema &s)
{
    const Vorschlag v = vorschlagen(s);
    pruefe(v == vorschlagen(s));
    QSet<int> pfeiler, kronen;
    for (qsizetype i = 0; i < v.befunde.size(); ++i) {
        const VorgeschlagenerBefund &b = v.befunde[i];
        pruefe(b.anzahl >= 1 && !b.zaehne.isEmpty() && !b.grund.isEmpty());
        pruefe(std::adjacent_find(b.zaehne.begin(), b.zaehne.end(), std::greater_equal<int>())
               == b.zaehne.end());
        for (const int z : b.zaehne)
            pruefe(Zahnschema::istZahn(z) && Zahnschema::kieferVon(z) == b.kiefer);
        if (i > 0) {
            const VorgeschlagenerBefund &vor = v.befunde[i - 1];
            pruefe(vor.kiefer < b.kiefer || (vor.kiefer == b.kiefer && nummerVor(vor.nr, b.nr)));
        }
        const bool bruecke =
            b.nr == u"2.1" || b.nr == u"2.2" || b.nr == u"2.3" || b.nr == u"2.4" || b.nr == u"2.5";
        for (const int z : b.zaehne) {
            if (bruecke) {
                pruefe(zahnart(s.befund(z).kuerzel) == Zahnart::fehlt);
                pfeiler << nachbar(b.kiefer, z, -1, s) << nachbar(b.kiefer, z, 1, s);
            }
            if (b.nr == u"1.1" || b.nr == u"1.3")
                kronen << z;
        }
    }
    pruefe(!pfeiler.intersects(kronen));
    for (const QString &h : v.hinweise)
        pruefe(!h.isEmpty());
}

void pruefeText(const Zahnschema &s)
{
    const QString text = zahnschemaText(s);
    const GelesenesZahnschema g = zahnschemaLesen(text);
    pruefe(g.fehler.isEmpty() && zahnschemaText(g.schema) == text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *daten, std::size_t groesse)
{
    if (groesse < 1)
        return 0;
    const std::uint8_t *rest = daten + 1;
    const std::size_t n = groesse - 1;
    if (daten[0] % 2 == 0) {
        const GelesenesZahnschema g = zahnschemaLesen(
            QString::fromUtf8(reinterpret_cast<const char *>(rest), static_cast<qsizetype>(n)));
        for (const Lesefehler &f : g.fehler)
            pruefe(f.zeile >= 1 && f.wort >= 1 && !f.wortText.isEmpty() && !f.text.isEmpty());
        if (!g.fehler.isEmpty())
            return 0;
        pruefeVorschlag(g.schema);
        pruefeText(g.schema);
        pruefe(zahnschemaLesen(zahnschemaText(g.schema)).schema == g.schema);
        return 0;
    }
    Zahnschema s;
    const auto &zaehne = Zahnschema::alleZaehne();
    for (std::size_t i = 0; i < zaehne.size() && i < n; ++i) {
        const int code = rest[i] & 0x1f;
        Zahnbefund b;
        b.kuerzel = code < anzahlKuerzel ? static_cast<Kuerzel>(code)
                                         : (code % 2 ? Kuerzel::f : Kuerzel::ohne);
        b.ohneErsatz = (rest[i] & 0x20) != 0;
        b.keinAnker = (rest[i] & 0x40) != 0;
        s.setzen(zaehne[i], b);
    }
    for (std::size_t k = 0; k < 2 && zaehne.size() + k < n; ++k)
        s.setzeVersorgung(static_cast<Kiefer>(k),
                          static_cast<Versorgung>(rest[zaehne.size() + k] % 6));
    pruefeVorschlag(s);
    pruefeText(s);
    return 0;
}
