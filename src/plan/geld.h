#pragma once

// Money of the plan: whole numbers of 1/10000 EUR. Held in 64 bits so that every amount a
// catalogue can sensibly hold, times any count, summed over 20 rows, stays exact. A value that
// cannot be represented (a catalogue amount like 1e999, or a product or sum past 64 bits) becomes
// `ungueltig`, which spreads through every later sum and is shown as "Überlauf", never as a
// silently wrong figure.

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <limits>

using Geld = std::int64_t;

namespace geld {

inline constexpr Geld ungueltig = std::numeric_limits<Geld>::min();
inline constexpr Geld einheit = 10000; // units per EUR
inline constexpr auto ueberlaufText = u"Überlauf";

// A catalogue amount text in units: zahlwert(text) × 10000 in double precision, rounded to the
// nearest whole number with ties to even; `ungueltig` when the value is not finite or too large.
Geld ausKatalog(QStringView text);

// A count limit in the plan's integers: zaehlgrenze(text) of the catalogue.
std::int64_t grenzeAusKatalog(QStringView text);

// Checked arithmetic: `ungueltig` in, or an overflow, gives `ungueltig`.
Geld plus(Geld a, Geld b);
Geld minus(Geld a, Geld b);
Geld mal(Geld betrag, std::int64_t anzahl);

// The locale of window captions: the user's, or German where no locale is set at all (C/POSIX).
QLocale anzeigeLocale();

// The general number form of the amount in EUR: the locale's decimal separator, no group
// separator, no trailing zeros, a leading minus for negative values ("123,45", "100", "0",
// "-5,5"); "Überlauf" for `ungueltig`. Exact for every 64-bit value.
QString text(Geld betrag, const QLocale &locale);

} // namespace geld
