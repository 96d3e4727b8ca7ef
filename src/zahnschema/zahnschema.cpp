#include "zahnschema/zahnschema.h"

namespace {

struct KuerzelZeile
{
    Kuerzel kuerzel;
    QStringView text;
    QStringView bedeutung;
    Zahnart art;
};

using enum Zahnart;

// The codes of the form's "Erläuterungen" since July 2022, in the order of Kuerzel.
constexpr std::array<KuerzelZeile, anzahlKuerzel> tabelle {{
    {Kuerzel::ohne, u"", u"vorhanden, ohne Befund", natuerlich},
    {Kuerzel::a, u"a", u"Adhäsivbrücke (Anker)", natuerlich},
    {Kuerzel::aw, u"aw", u"erneuerungsbedürftige Adhäsivbrücke (Anker)", natuerlich},
    {Kuerzel::ab, u"ab", u"Adhäsivbrücke (Brückenglied)", ersetzt},
    {Kuerzel::abw, u"abw", u"erneuerungsbedürftiges Adhäsivbrückenglied", fehlt},
    {Kuerzel::b, u"b", u"Brückenglied", ersetzt},
    {Kuerzel::bw, u"bw", u"erneuerungsbedürftiges Brückenglied", fehlt},
    {Kuerzel::e, u"e", u"ersetzter Zahn", ersetzt},
    {Kuerzel::ew, u"ew", u"ersetzter, aber erneuerungsbedürftiger Zahn", fehlt},
    {Kuerzel::f, u"f", u"fehlender Zahn", fehlt},
    {Kuerzel::ix, u"ix", u"zu entfernendes Implantat", fehlt},
    {Kuerzel::k, u"k", u"klinisch intakte Krone", natuerlich},
    {Kuerzel::kw, u"kw", u"erneuerungsbedürftige Krone", natuerlich},
    {Kuerzel::pw, u"pw", u"erhaltungswürdiger Zahn mit partiellen Substanzdefekten", natuerlich},
    {Kuerzel::pkw, u"pkw", u"erneuerungsbedürftige Teilkrone", natuerlich},
    {Kuerzel::r, u"r", u"Wurzelstiftkappe", natuerlich},
    {Kuerzel::rw, u"rw", u"erneuerungsbedürftige Wurzelstiftkappe", natuerlich},
    {Kuerzel::sk, u"sk", u"implantatgetragene Krone", implantat},
    {Kuerzel::skw, u"skw", u"erneuerungsbedürftige implantatgetragene Krone", implantat},
    {Kuerzel::se, u"se", u"ersetzter Zahn einer implantatgetragenen Prothese", ersetzt},
    {Kuerzel::sew, u"sew", u"erneuerungsbedürftiger Zahn einer implantatgetragenen Prothese",
     fehlt},
    {Kuerzel::st, u"st", u"implantatgetragene Teleskopkrone", implantat},
    {Kuerzel::stw, u"stw", u"erneuerungsbedürftige implantatgetragene Teleskopkrone", implantat},
    {Kuerzel::t, u"t", u"Teleskop", natuerlich},
    {Kuerzel::tw, u"tw", u"erneuerungsbedürftiges Teleskop", natuerlich},
    {Kuerzel::t2w, u"t2w", u"erneuerungsbedürftiges Sekundärteil einer Teleskopkrone", natuerlich},
    {Kuerzel::ur, u"ur", u"unzureichende Retention", natuerlich},
    {Kuerzel::ww, u"ww", u"erhaltungswürdiger Zahn mit weitgehender Zerstörung", natuerlich},
    {Kuerzel::x, u"x", u"nicht erhaltungswürdiger Zahn", fehlt},
    {Kuerzel::lueckenschluss, u")(", u"Lückenschluss", lueckenschluss},
}};

const KuerzelZeile &zeile(Kuerzel k)
{
    return tabelle[static_cast<std::size_t>(k)];
}

constexpr std::array<QStringView, 6> versorgungen = {
    u"", u"bruecke", u"modellguss", u"kombination", u"deckprothese", u"interim"};

// Position 0 to 31 of a tooth in alleZaehne(); -1 for a number that is no tooth.
int stelle(int fdi)
{
    const int quadrant = fdi / 10, zahn = fdi % 10;
    return quadrant >= 1 && quadrant <= 4 && zahn >= 1 && zahn <= 8 ? (quadrant - 1) * 8 + zahn - 1
                                                                    : -1;
}

} // namespace

QString kuerzelText(Kuerzel k)
{
    return zeile(k).text.toString();
}

QString kuerzelBedeutung(Kuerzel k)
{
    return zeile(k).bedeutung.toString();
}

Zahnart zahnart(Kuerzel k)
{
    return zeile(k).art;
}

std::optional<Kuerzel> kuerzelAusText(QStringView text)
{
    const QString klein = text.toString().toLower();
    if (klein == u"i")
        return Kuerzel::sk;
    if (klein == u"sw")
        return Kuerzel::skw;
    for (const KuerzelZeile &z : tabelle)
        if (!klein.isEmpty() && z.text == klein)
            return z.kuerzel;
    return std::nullopt;
}

QString versorgungText(Versorgung v)
{
    return versorgungen[static_cast<std::size_t>(v)].toString();
}

std::optional<Versorgung> versorgungAusText(QStringView text)
{
    const QString klein = text.toString().toLower();
    if (klein == u"brücke")
        return Versorgung::bruecke;
    for (std::size_t i = 1; i < versorgungen.size(); ++i)
        if (versorgungen[i] == klein)
            return static_cast<Versorgung>(i);
    return std::nullopt;
}

QString kieferText(Kiefer k)
{
    return k == Kiefer::OK ? QStringLiteral("OK") : QStringLiteral("UK");
}

const std::array<int, 32> &Zahnschema::alleZaehne()
{
    static const std::array<int, 32> zaehne = [] {
        std::array<int, 32> z {};
        for (std::size_t i = 0; i < z.size(); ++i)
            z[i] = static_cast<int>(i / 8 + 1) * 10 + static_cast<int>(i % 8) + 1;
        return z;
    }();
    return zaehne;
}

bool Zahnschema::istZahn(int fdi)
{
    return stelle(fdi) >= 0;
}

Kiefer Zahnschema::kieferVon(int fdi)
{
    return fdi < 30 ? Kiefer::OK : Kiefer::UK;
}

QList<int> Zahnschema::bogen(Kiefer k)
{
    static const std::array<QList<int>, 2> boegen = [] {
        std::array<QList<int>, 2> b;
        for (int z = 8; z >= 1; --z) {
            b[0] << 10 + z;
            b[1] << 40 + z;
        }
        for (int z = 1; z <= 8; ++z) {
            b[0] << 20 + z;
            b[1] << 30 + z;
        }
        return b;
    }();
    return boegen[static_cast<std::size_t>(k)];
}

Zahnbefund Zahnschema::befund(int fdi) const
{
    const int i = stelle(fdi);
    return i < 0 ? Zahnbefund {} : zaehne_[static_cast<std::size_t>(i)];
}

bool Zahnschema::setzen(int fdi, const Zahnbefund &b)
{
    const int i = stelle(fdi);
    if (i < 0)
        return false;
    zaehne_[static_cast<std::size_t>(i)] = b;
    return true;
}

bool ohneErsatzPasst(int fdi, Kuerzel k)
{
    return Zahnschema::istZahn(fdi) && fdi % 10 == 7 && zahnart(k) == Zahnart::fehlt;
}

bool keinAnkerPasst(int fdi, Kuerzel k)
{
    return Zahnschema::istZahn(fdi) && fdi % 10 == 8
        && (zahnart(k) == Zahnart::natuerlich || zahnart(k) == Zahnart::implantat);
}
