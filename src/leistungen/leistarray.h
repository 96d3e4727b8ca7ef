#pragma once

// A service table of one print run: the BEMA table holds 41 entries, the BEL table 301. Adding a
// service merges it into an entry of the same number and sign; the exchange sort orders the whole
// table by number as text.

#include <QString>

#include <cstdint>
#include <vector>

struct Leistung
{
    std::int64_t anz = 0; // signed count: positive to bill, negative to deduct
    QString nr; // service number, trimmed; empty marks a free entry
    QString text;
};

class Leistarray
{
public:
    static constexpr int bemaGroesse = 41;
    static constexpr int belGroesse = 301;

    explicit Leistarray(int groesse);

    void init(); // every entry free
    // Adds one service; false when the table is full and the service could not be recorded.
    bool add(int anz, const QString &nr, const QString &text);
    void sortieren(); // the exchange sort over the whole table, free entries included

    int groesse() const { return static_cast<int>(eintraege_.size()); }
    const Leistung &operator[](int i) const { return eintraege_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<Leistung> eintraege_;
};
