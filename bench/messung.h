#pragma once

// Small helpers shared by the benchmarks: medians and a plain text table.

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

inline double median(std::vector<double> werte)
{
    if (werte.empty())
        return 0.0;
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 == 1 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2.0;
}

inline double minimum(const std::vector<double> &werte)
{
    return werte.empty() ? 0.0 : *std::min_element(werte.begin(), werte.end());
}

inline double maximum(const std::vector<double> &werte)
{
    return werte.empty() ? 0.0 : *std::max_element(werte.begin(), werte.end());
}

// A table with a header row; every column as wide as its widest cell, the first left-aligned,
// the others right-aligned.
class Tabelle
{
public:
    explicit Tabelle(std::vector<std::string> kopf) : zeilen_ {std::move(kopf)} { }

    void zeile(std::vector<std::string> zellen) { zeilen_.push_back(std::move(zellen)); }

    void drucken(const std::string &titel) const
    {
        std::vector<std::size_t> breite;
        for (const auto &z : zeilen_) {
            breite.resize(std::max(breite.size(), z.size()), 0);
            for (std::size_t s = 0; s < z.size(); ++s)
                breite[s] = std::max(breite[s], z[s].size());
        }
        std::printf("\n%s\n", titel.c_str());
        for (std::size_t n = 0; n < zeilen_.size(); ++n) {
            const auto &z = zeilen_[n];
            for (std::size_t s = 0; s < z.size(); ++s) {
                const int b = static_cast<int>(breite[s]);
                if (s == 0)
                    std::printf("%-*s", b, z[s].c_str());
                else
                    std::printf("  %*s", b, z[s].c_str());
            }
            std::printf("\n");
            if (n == 0) {
                std::size_t summe = 0;
                for (std::size_t b : breite)
                    summe += b + 2;
                std::printf("%s\n", std::string(summe - 2, '-').c_str());
            }
        }
        std::fflush(stdout);
    }

private:
    std::vector<std::vector<std::string>> zeilen_;
};

inline std::string zahl(double wert, int stellen = 1)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*f", stellen, wert);
    return puffer;
}
