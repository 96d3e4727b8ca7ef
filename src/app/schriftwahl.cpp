#include "app/schriftwahl.h"

#include "plan/geld.h"

#include <QFontMetricsF>

#include <cstdint>
#include <limits>

QStringList breitesteBetraege()
{
    return {geld::text(std::numeric_limits<std::int32_t>::min(), geld::anzeigeLocale()),
            QString::fromUtf16(geld::ueberlaufText)};
}

QFont schmaleSchrift()
{
    QFont f;
    f.setFamilies({QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans Narrow"),
                   QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont passendeSchrift(const QList<QFont> &schriften, const QStringList &texte, QSizeF raum)
{
    constexpr double kleinste = 5.0;
    constexpr double schritt = 0.25;
    QFont f = schriften.value(0);
    for (double groesse = f.pointSizeF(); groesse >= kleinste; groesse -= schritt) {
        for (QFont kandidat : schriften) {
            kandidat.setPointSizeF(groesse);
            const QFontMetricsF m(kandidat);
            bool passt = m.height() <= raum.height();
            for (const QString &t : texte)
                passt = passt && m.horizontalAdvance(t) <= raum.width();
            if (passt)
                return kandidat;
            f = kandidat;
        }
    }
    return f; // the smallest there is
}
