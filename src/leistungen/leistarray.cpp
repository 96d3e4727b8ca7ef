#include "leistungen/leistarray.h"

#include <utility>

Leistarray::Leistarray(int groesse) : eintraege_(static_cast<std::size_t>(groesse)) { }

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
            l = Leistung {anz, key, text};
            return true;
        }
        // A service to bill and the same service to deduct stay apart; a count of 0 belongs to
        // neither side and never merges.
        if (l.nr == key && ((anz > 0 && l.anz > 0) || (anz < 0 && l.anz < 0))) {
            l.anz += anz;
            return true;
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
