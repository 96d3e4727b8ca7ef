#include "katalog/zahlwert.h"

#include <QByteArrayView>
#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// The power of ten of the leading digit of a number that std::from_chars found out of range:
// above 0 it was too large, below it too small. The exponent is clamped so that even a
// thousand-digit exponent cannot overflow.
long long groessenordnung(QByteArrayView zahl)
{
    const qsizetype e = zahl.indexOf('E');
    const QByteArrayView mantisse = e < 0 ? zahl : zahl.first(e);
    long long exponent = 0;
    if (e >= 0) {
        bool negativ = false;
        for (qsizetype i = e + 1; i < zahl.size(); ++i) {
            const char z = zahl.at(i);
            if (z == '-')
                negativ = true;
            else if (z >= '0' && z <= '9' && exponent < 1'000'000'000)
                exponent = exponent * 10 + (z - '0');
        }
        if (negativ)
            exponent = -exponent;
    }
    const qsizetype punkt = mantisse.indexOf('.');
    const qsizetype ganzEnde = punkt < 0 ? mantisse.size() : punkt;
    long long ganzeStellen = 0;
    bool ziffernGesehen = false;
    for (qsizetype i = 0; i < ganzEnde; ++i) {
        const char z = mantisse.at(i);
        if (z >= '1' && z <= '9')
            ziffernGesehen = true;
        if (ziffernGesehen && z >= '0' && z <= '9')
            ++ganzeStellen;
    }
    if (ganzeStellen > 0)
        return ganzeStellen - 1 + exponent;
    long long stelle = -1; // the first place after the point
    for (qsizetype i = ganzEnde + 1; i < mantisse.size(); ++i, --stelle) {
        if (mantisse.at(i) >= '1' && mantisse.at(i) <= '9')
            return stelle + exponent;
    }
    return std::numeric_limits<long long>::min(); // only zeros: no size at all
}

} // namespace

double zahlwert(QStringView text)
{
    // Blanks are skipped wherever they stand; the rest is collected as long as it can still be
    // part of a decimal number. Only the first "," counts as the decimal point.
    // Numbers of the catalogue are short: they stay on the stack.
    QVarLengthArray<char, 64> zahl;
    bool kommaErsetzt = false;
    bool ziffern = false;
    bool punkt = false;
    bool exponent = false;
    bool exponentZiffern = false;
    for (const QChar c0 : text) {
        QChar c = c0;
        if (c == u' ')
            continue;
        if (c == u',' && !kommaErsetzt) {
            kommaErsetzt = true;
            c = u'.';
        }
        const char z = c.unicode() < 128 ? static_cast<char>(c.unicode()) : '\0';
        const bool amAnfang = zahl.isEmpty();
        if (z >= '0' && z <= '9') {
            zahl.append(z);
            (exponent ? exponentZiffern : ziffern) = true;
        } else if ((z == '+' || z == '-') && (amAnfang || (exponent && zahl.back() == 'E'))) {
            zahl.append(z);
        } else if (z == '.' && !punkt && !exponent) {
            punkt = true;
            zahl.append(z);
        } else if ((z == 'E' || z == 'e') && ziffern && !exponent) {
            exponent = true;
            zahl.append('E');
        } else {
            break;
        }
    }
    if (!ziffern)
        return 0.0;
    // An exponent without digits ("12E", "12E+") is not part of the number.
    if (exponent && !exponentZiffern)
        zahl.resize(std::find(zahl.begin(), zahl.end(), 'E') - zahl.begin());

    const char *anfang = zahl.constData();
    const char *ende = anfang + zahl.size();
    if (*anfang == '+')
        ++anfang;
    const bool negativ = *anfang == '-';
    double wert = 0.0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    (void)rest;
    if (fehler == std::errc::result_out_of_range) {
        // Too large gives an infinite value with its sign, too small gives zero.
        if (groessenordnung(QByteArrayView(zahl.constData(), zahl.size())) > 0)
            return negativ ? -std::numeric_limits<double>::infinity()
                           : std::numeric_limits<double>::infinity();
        return negativ ? -0.0 : 0.0;
    }
    return wert;
}

double aufGeradeGerundet(double wert)
{
    const double unten = std::floor(wert);
    const double rest = wert - unten; // exact: both lie within one unit of each other
    if (rest < 0.5)
        return unten;
    if (rest > 0.5)
        return unten + 1.0;
    return std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1.0;
}

std::int32_t zaehlgrenze(QStringView text)
{
    constexpr double groesste = std::numeric_limits<std::int32_t>::max();
    constexpr double kleinste = std::numeric_limits<std::int32_t>::min();
    const double wert = zahlwert(text);
    if (wert >= groesste)
        return std::numeric_limits<std::int32_t>::max();
    if (wert <= kleinste)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(aufGeradeGerundet(wert));
}
