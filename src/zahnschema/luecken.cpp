// Class 2: gaps bounded by teeth that a bridge closes, and the veneers of the bridge.

#include "zahnschema/regeln.h"

namespace {

QString lueckenText(const QString &nr, qsizetype anzahl)
{
    const bool eine = anzahl == 1;
    if (nr == u"2.1")
        return eine ? QStringLiteral("zahnbegrenzte Lücke mit einem fehlenden Zahn")
                    : QStringLiteral("zahnbegrenzte Lücken mit je einem fehlenden Zahn");
    if (nr == u"2.2")
        return eine ? QStringLiteral("zahnbegrenzte Lücke mit zwei nebeneinander fehlenden Zähnen")
                    : QStringLiteral("zahnbegrenzte Lücken mit je zwei nebeneinander fehlenden "
                                     "Zähnen");
    if (nr == u"2.3")
        return QStringLiteral("zahnbegrenzte Lücke mit drei nebeneinander fehlenden Zähnen");
    if (nr == u"2.4")
        return QStringLiteral("Frontzahnlücke mit vier nebeneinander fehlenden Schneidezähnen");
    return eine ? QStringLiteral("an eine Lücke unmittelbar angrenzende weitere Lücke mit einem "
                                 "fehlenden Zahn")
                : QStringLiteral("an je eine Lücke unmittelbar angrenzende weitere Lücken mit je "
                                 "einem fehlenden Zahn");
}

// What the chart leaves open at a gap: the answers it does not give, abutments that are no
// natural teeth.
QStringList lueckePruefen(const Kieferlage &l, const Luecke &g)
{
    QStringList p;
    for (const int z : g.zaehne)
        if (l.schema->befund(z).ohneErsatz && ohneErsatzPasst(z, l.kuerzel(z)))
            p << QStringLiteral("%1 braucht laut Zahnschema keinen Ersatz").arg(z);
    for (const int pfeiler : {g.vorn, g.hinten}) {
        const QString code = kuerzelText(l.kuerzel(pfeiler));
        if (pfeiler % 10 == 8)
            p << QStringLiteral("%1 als Brückenanker angenommen (sonst „%1 kein-anker“)")
                     .arg(pfeiler);
        if (l.art(pfeiler) == Zahnart::ersetzt)
            p << QStringLiteral("Pfeiler %1 ist ein ersetzter Zahn (%2): Erweiterung der "
                                "vorhandenen Versorgung?")
                     .arg(QString::number(pfeiler), code);
        if (l.art(pfeiler) == Zahnart::implantat)
            p << QStringLiteral("Pfeiler %1 ist ein Implantat (%2): Brücke auf Zahn und "
                                "Implantat?")
                     .arg(QString::number(pfeiler), code);
    }
    return p;
}

} // namespace

void brueckenBefund(const Kieferlage &l, const QString &nr, const QList<Luecke> &luecken,
                    const QString &vorsatz, Kiefervorschlag &v)
{
    QStringList teile, pfeiler, pruefen;
    QList<int> zaehne;
    for (const Luecke &g : sortiert(luecken)) {
        teile << komma(g.zaehne);
        pfeiler << liste({g.vorn, g.hinten});
        zaehne += g.zaehne;
        pruefen += lueckePruefen(l, g);
        for (const int p : {g.vorn, g.hinten}) {
            v.ohneKlasse1.insert(p);
            if (l.art(p) == Zahnart::natuerlich)
                v.kronen << p;
        }
        v.brueckenluecken << g;
    }
    v.befund(nr, zaehne,
             vorsatz + lueckenText(nr, luecken.size())
                 + QStringLiteral(" (%1), Pfeiler %2 ohne 1.1")
                       .arg(teile.join(QStringLiteral("; ")), pfeiler.join(QStringLiteral(", "))),
             pruefen.join(QStringLiteral("; ")), static_cast<int>(luecken.size()));
}

void lueckenBefunde(const Kieferlage &l, const Einstufung &e, Kiefervorschlag &v)
{
    static const QStringList nachGroesse = {QString(), QStringLiteral("2.1"), QStringLiteral("2.2"),
                                            QStringLiteral("2.3"), QStringLiteral("2.4")};
    QMap<QString, QList<Luecke>> je;
    for (const QList<Luecke> &kette : e.ketten) {
        // Of two gaps a single tooth apart, the one-tooth gap is the further gap (the second,
        // when both are one tooth wide); the bridge counts it once.
        const qsizetype weitere = kette.size() < 2 ? -1 : kette[1].zaehne.size() == 1 ? 1 : 0;
        for (qsizetype i = 0; i < kette.size(); ++i)
            je[i == weitere ? QStringLiteral("2.5") : nachGroesse.value(kette[i].zaehne.size())]
                .append(kette[i]);
    }
    QList<Luecke> alle;
    for (auto it = je.cbegin(); it != je.cend(); ++it) {
        if (v.haupt < 0)
            v.haupt = v.befunde.size();
        brueckenBefund(l, it.key(), it.value(), {}, v);
        alle += it.value();
    }
    verblendBefund(l, alle, {}, v);
}

void verblendBefund(const Kieferlage &l, const QList<Luecke> &luecken, const QString &pruefen,
                    Kiefervorschlag &v)
{
    QList<int> glieder, anker;
    QSet<int> ankerAnGlied;
    for (const Luecke &g : luecken) {
        bool gliedDrin = false;
        for (const int z : g.zaehne)
            if (imVerblendbereich(z)) {
                glieder << z;
                gliedDrin = true;
            }
        for (const int p : {g.vorn, g.hinten}) {
            const Zahnart art = l.art(p);
            const bool verblendet = art == Zahnart::natuerlich || art == Zahnart::implantat;
            if (verblendet && imVerblendbereich(p) && !anker.contains(p))
                anker << p;
            if (gliedDrin)
                ankerAnGlied.insert(p);
        }
    }
    QList<int> aussen;
    for (const int p : anker)
        if (!ankerAnGlied.contains(p))
            aussen << p;
    if (glieder.isEmpty() && anker.isEmpty())
        return;
    QStringList teile;
    if (!glieder.isEmpty())
        teile << (glieder.size() == 1 ? QStringLiteral("Brückenglied ")
                                      : QStringLiteral("Brückenglieder "))
                + liste(glieder);
    if (!anker.isEmpty())
        teile << QStringLiteral("Brückenanker ") + liste(anker);
    QStringList p;
    if (!pruefen.isEmpty())
        p << pruefen;
    if (!aussen.isEmpty())
        p << QStringLiteral("2.7 für den Anker %1 an einer Lücke außerhalb des "
                            "Verblendbereichs ist eine Auslegung")
                 .arg(liste(aussen));
    v.befund(QStringLiteral("2.7"), glieder + anker,
             QStringLiteral("je Verblendung im Verblendbereich (%1): %2")
                 .arg(verblendbereich(l.kiefer), teile.join(QStringLiteral(", "))),
             p.join(QStringLiteral("; ")));
}
