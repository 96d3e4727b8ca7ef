#include "katalog/zahlwert.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <limits>

double zahlwert(QStringView text)
{
    // Blanks are skipped wherever they stand; the rest is collected as long as it can still be
    // part of a decimal number. Only the first "," counts as the decimal point.
    QByteArray zahl;
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
        } else if ((z == '+' || z == '-') && (amAnfang || (exponent && zahl.endsWith('E')))) {
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
        zahl.truncate(zahl.indexOf('E'));

    const char *anfang = zahl.constData();
    const char *ende = anfang + zahl.size();
    if (*anfang == '+')
        ++anfang;
    double wert = 0.0;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    (void)rest;
    if (fehler == std::errc::result_out_of_range) {
        // Too large gives an infinite value with its sign, too small gives zero.
        const bool negativ = *anfang == '-';
        const auto e = zahl.indexOf('E');
        const bool grosserExponent = e >= 0 && zahl.at(e + 1) != '-';
        if (grosserExponent || e < 0)
            return negativ ? -std::numeric_limits<double>::infinity()
                           : std::numeric_limits<double>::infinity();
        return negativ ? -0.0 : 0.0;
    }
    return wert;
}
