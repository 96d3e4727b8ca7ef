#include "katalog/suche.h"

#include "katalog/katalog.h"

#include <algorithm>

QList<int> befundeFinden(const Katalog &katalog, const QString &suche)
{
    const QStringList woerter = suche.split(u' ', Qt::SkipEmptyParts);
    QList<int> treffer;
    for (int i = 0; i < katalog.liste().size(); ++i) {
        if (katalog.istUeberschrift(i))
            continue;
        const QString &nr = katalog.befund(i).befnr;
        const QString &text = katalog.liste().at(i);
        const bool passt = std::all_of(woerter.begin(), woerter.end(), [&](const QString &w) {
            return nr.startsWith(w, Qt::CaseInsensitive) || text.contains(w, Qt::CaseInsensitive);
        });
        if (passt)
            treffer.append(i);
    }
    return treffer;
}
