#include "plan/geld.h"

#include "katalog/zahlwert.h"

#include <cmath>

namespace {

// Largest magnitude in units that is taken over: 2^53 units (about 900 billion EUR). Up to there
// every whole number of units is exact in double precision; beyond it the product would already
// be off by some units, which the window would show as a plausible but wrong figure.
constexpr double groessterBetrag = 9007199254740992.0;

} // namespace

namespace geld {

Geld ausKatalog(QStringView text)
{
    const double eur = zahlwert(text);
    if (!std::isfinite(eur))
        return ungueltig;
    const double einheiten = eur * static_cast<double>(einheit);
    if (!std::isfinite(einheiten) || std::fabs(einheiten) >= groessterBetrag)
        return ungueltig;
    const double gerundet = aufGeradeGerundet(einheiten);
    return gerundet == 0.0 ? 0 : static_cast<Geld>(gerundet);
}

std::int64_t grenzeAusKatalog(QStringView text)
{
    return zaehlgrenze(text);
}

Geld plus(Geld a, Geld b)
{
    Geld summe = 0;
    if (a == ungueltig || b == ungueltig || __builtin_add_overflow(a, b, &summe))
        return ungueltig;
    return summe;
}

Geld minus(Geld a, Geld b)
{
    Geld differenz = 0;
    if (a == ungueltig || b == ungueltig || __builtin_sub_overflow(a, b, &differenz))
        return ungueltig;
    return differenz;
}

Geld mal(Geld betrag, std::int64_t anzahl)
{
    Geld produkt = 0;
    if (betrag == ungueltig || anzahl == std::numeric_limits<std::int64_t>::min()
        || __builtin_mul_overflow(betrag, anzahl, &produkt))
        return ungueltig;
    return produkt;
}

QLocale anzeigeLocale()
{
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::German, QLocale::Germany);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString text(Geld betrag, const QLocale &locale)
{
    if (betrag == ungueltig)
        return QString::fromUtf16(ueberlaufText);

    // Built digit by digit from the integer, so every value shows exactly.
    const bool negativ = betrag < 0;
    const std::uint64_t betragAbs =
        negativ ? 0 - static_cast<std::uint64_t>(betrag) : static_cast<std::uint64_t>(betrag);
    const std::uint64_t euro = betragAbs / einheit;
    std::uint64_t bruchteil = betragAbs % einheit;

    QLocale ohneGruppen = locale;
    ohneGruppen.setNumberOptions(QLocale::OmitGroupSeparator);

    QString ergebnis;
    if (negativ)
        ergebnis += locale.negativeSign();
    ergebnis += ohneGruppen.toString(static_cast<qulonglong>(euro));
    if (bruchteil != 0) {
        ergebnis += locale.decimalPoint();
        for (std::uint64_t stelle = einheit / 10; bruchteil != 0; stelle /= 10) {
            ergebnis += ohneGruppen.toString(static_cast<qulonglong>(bruchteil / stelle));
            bruchteil %= stelle;
        }
    }
    return ergebnis;
}

} // namespace geld
