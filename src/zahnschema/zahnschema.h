#pragma once

// The dental chart as the Befund row of the Heil- und Kostenplan holds it: one code for each of
// the 32 permanent teeth, two answers of the dentist where they apply, and the planned care of
// each jaw.

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The Befund codes of the chart. "i" and "sw" of the form before July 2022 are read as sk and
// skw. `ohne` is a tooth without entry: present and sound.
// clang-format off
enum class Kuerzel : quint8 {
    ohne, a, aw, ab, abw, b, bw, e, ew, f, ix, k, kw, pw, pkw, r, rw,
    sk, skw, se, sew, st, stw, t, tw, t2w, ur, ww, x, lueckenschluss
};
// clang-format on
inline constexpr int anzahlKuerzel = 30;

// What a code means for the findings. Replaced teeth (pontic, denture tooth) count as present,
// as long as the replacement works; a gap closure ")(" is neither a tooth nor a gap.
enum class Zahnart : quint8 {
    natuerlich, // a natural tooth or root, with or without crown: counts as a remaining tooth
    implantat, // an implant with its crown or telescope
    ersetzt, // a pontic or a tooth of a working denture
    fehlt, // missing, to be extracted, or a replacement that needs renewing
    lueckenschluss
};

enum class Kiefer : quint8 { OK, UK };

// The planned care of a jaw; it decides the findings that depend on the therapy.
enum class Versorgung : quint8 { keine, bruecke, modellguss, kombination, deckprothese, interim };

QString kuerzelText(Kuerzel k); // "kw", ")("; empty for ohne
QString kuerzelBedeutung(Kuerzel k); // "erneuerungsbedürftige Krone"
Zahnart zahnart(Kuerzel k);
// Case does not matter; "i" gives sk and "sw" gives skw. No code for an unknown or empty text.
std::optional<Kuerzel> kuerzelAusText(QStringView text);

QString versorgungText(Versorgung v); // "kombination"; empty for keine
// The five kinds of care ("brücke" also stands for bruecke); none for anything else.
std::optional<Versorgung> versorgungAusText(QStringView text);

QString kieferText(Kiefer k); // "OK", "UK"

// One tooth of the chart. The answers count only where they fit (angabePasst).
struct Zahnbefund
{
    Kuerzel kuerzel = Kuerzel::ohne;
    bool ohneErsatz = false; // a missing 7 that needs no replacement
    bool keinAnker = false; // an 8 that cannot be a bridge anchor
    bool operator==(const Zahnbefund &) const = default;
};

class Zahnschema
{
public:
    // The 32 FDI numbers in ascending order: 11–18, 21–28, 31–38, 41–48.
    static const std::array<int, 32> &alleZaehne();
    static bool istZahn(int fdi);
    static Kiefer kieferVon(int fdi); // by the quadrant; 1 and 2 are OK
    // The teeth of a jaw in the order of the form: 18 … 11 21 … 28, 48 … 41 31 … 38.
    static QList<int> bogen(Kiefer k);

    // A number that is no tooth gives an empty entry; setzen refuses it.
    Zahnbefund befund(int fdi) const;
    bool setzen(int fdi, const Zahnbefund &b);
    Versorgung versorgung(Kiefer k) const { return versorgung_[static_cast<int>(k)]; }
    void setzeVersorgung(Kiefer k, Versorgung v) { versorgung_[static_cast<int>(k)] = v; }

    bool operator==(const Zahnschema &) const = default;

private:
    std::array<Zahnbefund, 32> zaehne_ {};
    std::array<Versorgung, 2> versorgung_ {};
};

// ohne-ersatz fits a missing 7, kein-anker an 8 that could carry a bridge: a natural tooth or an
// implant.
bool ohneErsatzPasst(int fdi, Kuerzel k);
bool keinAnkerPasst(int fdi, Kuerzel k);
