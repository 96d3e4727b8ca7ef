#include "leistungen/leistarray.h"

#include "katalog/zahlwert.h"

#include <cmath>
#include <utility>

namespace {

// The count as the table keeps it: a blank in place of a plus sign (" 3"), a leading minus for a
// deduction ("-1"), no other blanks. Counts are whole numbers; larger sums keep all their digits.
QString anzahlText(double wert)
{
    const QString betrag = QString::number(std::fabs(wert), 'f', 0);
    return (wert < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + betrag;
}

} // namespace

Leistarray::Leistarray(int groesse)
    : eintraege_(static_cast<std::size_t>(groesse > 0 ? groesse : 0))
{
}

void Leistarray::init()
{
    for (Leistung &l : eintraege_)
        l = Leistung {};
}

bool Leistarray::add(int anz, const QString &nr, const QString &text)
{
    const QString key = nr.trimmed();
    for (Leistung &l : eintraege_) {
        if (l.nr.isEmpty()) {
            l.nr = key;
            l.anz = anzahlText(anz);
            l.text = text;
            return true;
        }
        if (l.nr == key) {
            // A service to bill and the same service to deduct stay apart; a count of 0 belongs
            // to neither side and never merges.
            const double v = anzahlWert(l.anz);
            if ((anz > 0 && v > 0) || (anz < 0 && v < 0)) {
                l.anz = anzahlText(v + anz);
                return true;
            }
        }
    }
    return false;
}

void Leistarray::sortieren()
{
    // The exchange sort exactly in its steps: the relative order of a number's billed and deducted
    // entry after the sort follows from these exchanges, and the report shows it.
    const std::size_t n = eintraege_.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (QString::compare(eintraege_[i].nr, eintraege_[j].nr, Qt::CaseSensitive) > 0)
                std::swap(eintraege_[i], eintraege_[j]);
        }
    }
}

double anzahlWert(const QString &anz)
{
    // The table writes only blanks, a sign and digits; the catalogue's number rule reads them.
    return zahlwert(anz);
}
