// What a chart says about one jaw, and which gap situation that is.

#include "zahnschema/regeln.h"

namespace {

int seiteVon(int fdi)
{
    const int quadrant = fdi / 10;
    return quadrant == 1 || quadrant == 4 ? 0 : 1;
}

// A 7 the dentist marked as needing no replacement.
bool ohneErsatz(const Zahnschema &s, int fdi)
{
    const Zahnbefund b = s.befund(fdi);
    return b.ohneErsatz && ohneErsatzPasst(fdi, b.kuerzel);
}

// An 8 bounds a gap only if it could carry a bridge and the dentist did not rule that out.
bool achterAlsAnker(const Zahnschema &s, int fdi)
{
    const Zahnbefund b = s.befund(fdi);
    return keinAnkerPasst(fdi, b.kuerzel) && !b.keinAnker;
}

bool nurSchneidezaehne(const QList<int> &zaehne)
{
    return std::all_of(zaehne.begin(), zaehne.end(), [](int z) { return z % 10 <= 2; });
}

QString luecken(const QList<Luecke> &kette)
{
    QStringList l;
    for (const Luecke &g : kette)
        l << komma(g.zaehne);
    return l.join(QStringLiteral("; "));
}

// Gap situations that no finding of class 2 covers: 3.1 then, and the dentist should check.
void kettenPruefen(Einstufung &e)
{
    for (const QList<Luecke> &kette : std::as_const(e.ketten)) {
        if (kette.size() >= 3) {
            e.gruende << QStringLiteral("%1 Lücken, je durch einen Zahn getrennt (%2)")
                             .arg(kette.size())
                             .arg(luecken(kette));
            e.pruefen << QStringLiteral("mehr als zwei durch je einen Zahn getrennte Lücken: "
                                        "3.1 statt Brückenbefunden ist eine Auslegung");
        } else if (kette.size() == 2 && kette[0].zaehne.size() > 1 && kette[1].zaehne.size() > 1) {
            e.gruende << QStringLiteral("zwei durch einen Zahn getrennte Lücken mit je mehr als "
                                        "einem fehlenden Zahn (%1)")
                             .arg(luecken(kette));
            e.pruefen << QStringLiteral("zwei benachbarte Lücken mit je mehr als einem "
                                        "fehlenden Zahn: 3.1 statt Brückenbefunden ist eine "
                                        "Auslegung");
        }
        for (const Luecke &g : kette)
            if (g.zaehne.size() == 4 && !nurSchneidezaehne(g.zaehne)) {
                e.gruende << QStringLiteral("Lücke mit vier fehlenden Zähnen (%1), die keine "
                                            "Frontzahnlücke der Schneidezähne ist")
                                 .arg(komma(g.zaehne));
                e.pruefen << QStringLiteral("vier fehlende Zähne außerhalb der Schneidezähne: "
                                            "3.1 statt 2.4 ist eine Auslegung");
            }
    }
}

} // namespace

Kieferlage kieferlage(const Zahnschema &schema, Kiefer k)
{
    Kieferlage l;
    l.schema = &schema;
    l.kiefer = k;
    for (const int fdi : Zahnschema::bogen(k)) {
        const Zahnart art = l.art(fdi);
        const int zahn = fdi % 10;
        if (art == Zahnart::lueckenschluss)
            continue;
        l.bogen.append(fdi);
        if (art == Zahnart::natuerlich)
            l.rest.append(fdi);
        if (art == Zahnart::natuerlich && zahn == 8)
            l.achter.append(fdi);
        if (art == Zahnart::implantat)
            l.implantate.append(fdi);
        if (art != Zahnart::fehlt || zahn == 8)
            continue; // a missing wisdom tooth is never counted
        ++l.fehlend;
        l.seitenzahn[static_cast<std::size_t>(seiteVon(fdi))] += zahn >= 4 ? 1 : 0;
        if (!ohneErsatz(schema, fdi))
            l.ersetzen.append(fdi);
    }

    // The open ends of the row: from each end inward over missing teeth and over an 8 that
    // cannot anchor a bridge. A missing 7 there is a free end, unless it needs no replacement
    // and nothing else is missing with it.
    const qsizetype n = l.bogen.size();
    QList<bool> offen(n, false);
    for (const std::size_t s : {0u, 1u}) {
        for (qsizetype schritt = 0; schritt < n; ++schritt) {
            const qsizetype i = s == 0 ? schritt : n - 1 - schritt;
            const int fdi = l.bogen[i];
            const bool fehlt = l.art(fdi) == Zahnart::fehlt;
            if (!fehlt && (fdi % 10 != 8 || achterAlsAnker(schema, fdi)))
                break;
            offen[i] = true;
            if (!fehlt || fdi % 10 == 8)
                continue;
            l.endstueck[s].append(fdi);
            l.freiend[s] = l.freiend[s] || !ohneErsatz(schema, fdi);
        }
        std::sort(l.endstueck[s].begin(), l.endstueck[s].end());
    }

    // Every other run of missing teeth lies between two teeth that bound it.
    for (qsizetype i = 0; i < n; ++i) {
        if (offen[i] || l.art(l.bogen[i]) != Zahnart::fehlt)
            continue;
        Luecke g;
        g.vorn = l.bogen.value(i - 1);
        while (i < n && !offen[i] && l.art(l.bogen[i]) == Zahnart::fehlt)
            g.zaehne.append(l.bogen[i++]);
        g.hinten = l.bogen.value(i);
        if (g.zaehne.size() > 1 || !ohneErsatz(schema, g.zaehne.first()))
            l.luecken.append(g);
    }
    return l;
}

Einstufung einstufen(const Kieferlage &l)
{
    Einstufung e;
    if (l.ersetzen.isEmpty())
        return e;
    if (l.rest.size() <= 3) {
        e.stufe = Stufe::klasse4;
        return e;
    }
    for (const std::size_t s : {0u, 1u})
        if (l.freiend[s])
            e.gruende << QStringLiteral("Freiendsituation %1 (fehlend: %2)")
                             .arg(seite(static_cast<int>(s)), komma(l.endstueck[s]));
    if (l.fehlend > 4)
        e.gruende << QStringLiteral("%1 fehlende Zähne (mehr als 4 je Kiefer)").arg(l.fehlend);
    for (const std::size_t s : {0u, 1u})
        if (l.seitenzahn[s] > 3)
            e.gruende << QStringLiteral("%1 fehlende Zähne im Seitenzahngebiet %2 (mehr als 3)")
                             .arg(l.seitenzahn[s])
                             .arg(seite(static_cast<int>(s)));

    // The limit of 3 per side comes from the law on bridges; that it decides the finding, and
    // that a side is the teeth 4 to 7, is how Kalvomat reads it.
    const bool nurSeite = !l.freiend[0] && !l.freiend[1] && l.fehlend <= 4 && !e.gruende.isEmpty();
    for (const int s : {0, 1}) {
        const int sieben = quadrant(l.kiefer, s) * 10 + 7;
        const Zahnbefund b = l.schema->befund(sieben);
        if (nurSeite && l.seitenzahn[static_cast<std::size_t>(s)] > 3)
            e.pruefen << QStringLiteral("höchstens 3 fehlende Zähne im Seitenzahngebiet (Zähne 4 "
                                        "bis 7) aus § 56 SGB V auf den Befund angewandt%1")
                             .arg(b.ohneErsatz && ohneErsatzPasst(sieben, b.kuerzel)
                                      ? QStringLiteral(", %1 ohne Ersatz mitgezählt").arg(sieben)
                                      : QString());
    }

    // Gaps separated by a single tooth form one bridge.
    for (const Luecke &g : l.luecken) {
        const bool angrenzend = !e.ketten.isEmpty()
            && l.bogen.indexOf(g.zaehne.first())
                    - l.bogen.indexOf(e.ketten.last().last().zaehne.last())
                == 2;
        if (angrenzend)
            e.ketten.last().append(g);
        else
            e.ketten.append({g});
    }
    // Chains and four-tooth gaps matter only where nothing else makes the jaw class 3.
    if (e.gruende.isEmpty())
        kettenPruefen(e);
    e.stufe = e.gruende.isEmpty() ? Stufe::klasse2 : Stufe::klasse3;
    return e;
}

QList<int> sortiert(QList<int> zaehne)
{
    std::sort(zaehne.begin(), zaehne.end());
    return zaehne;
}

QList<Luecke> sortiert(QList<Luecke> luecken)
{
    const auto erster = [](const Luecke &g) {
        return *std::min_element(g.zaehne.begin(), g.zaehne.end());
    };
    std::sort(luecken.begin(), luecken.end(),
              [&](const Luecke &a, const Luecke &b) { return erster(a) < erster(b); });
    return luecken;
}

QString liste(const QList<int> &zaehne)
{
    QStringList t;
    for (const int z : sortiert(zaehne))
        t << QString::number(z);
    const QString letzter = t.isEmpty() ? QString() : t.takeLast();
    return t.isEmpty() ? letzter : t.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter;
}

QString komma(const QList<int> &zaehne)
{
    QStringList t;
    for (const int z : sortiert(zaehne))
        t << QString::number(z);
    return t.join(QStringLiteral(", "));
}

int quadrant(Kiefer k, int seite)
{
    return k == Kiefer::OK ? 1 + seite : 4 - seite;
}

QString seite(int s)
{
    return s == 0 ? QStringLiteral("rechts") : QStringLiteral("links");
}

bool imVerblendbereich(int fdi)
{
    return fdi % 10 <= (Zahnschema::kieferVon(fdi) == Kiefer::OK ? 5 : 4);
}

QString verblendbereich(Kiefer k)
{
    return k == Kiefer::OK ? QStringLiteral("15–25") : QStringLiteral("34–44");
}
