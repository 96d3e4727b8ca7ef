// The jaw as a whole: class 3 (with the upper-jaw exception and telescopes), class 4, class 5
// for an interim care, and what the planned care changes.

#include "zahnschema/regeln.h"

namespace {

// Telescope anchors for 3.2: on each side the canine where at least the two teeth behind it
// are missing, else the first premolar where the two behind it are; both sides need one.
QList<int> teleskopAnker(const Kieferlage &l)
{
    QList<int> anker;
    const auto fehlt = [&l](qsizetype i) { return l.art(l.bogen.value(i)) == Zahnart::fehlt; };
    for (int s = 0; s < 2; ++s) {
        const qsizetype weg = s == 0 ? -1 : 1; // away from the midline
        for (const int zahn : {3, 4}) {
            const int fdi = quadrant(l.kiefer, s) * 10 + zahn;
            const qsizetype i = l.bogen.indexOf(fdi);
            const Kuerzel k = l.kuerzel(fdi);
            const bool traeger = l.natuerlich(fdi) && k != Kuerzel::r && k != Kuerzel::rw;
            if (traeger && fehlt(i + weg) && fehlt(i + 2 * weg)) {
                anker << fdi;
                break;
            }
        }
    }
    return anker.size() == 2 ? anker : QList<int>();
}

QList<int> mitKlasse1(const Kieferlage &l, const QList<int> &zaehne)
{
    QList<int> mit;
    for (const int z : zaehne)
        if (!klasse1(l.kuerzel(z)).isEmpty())
            mit << z;
    return mit;
}

void klasse3(const Kieferlage &l, const Einstufung &e, const QList<int> &anker, Kiefervorschlag &v,
             QStringList &offen)
{
    QList<int> zaehne = l.ersetzen;
    // In the upper jaw with free ends on both sides a bridge for up to two adjacent missing
    // incisors comes on top of 3.1.
    if (l.kiefer == Kiefer::OK && l.freiend[0] && l.freiend[1]) {
        QList<Luecke> front;
        for (const Luecke &g : l.luecken)
            if (g.zaehne.size() <= 2
                && std::all_of(g.zaehne.begin(), g.zaehne.end(), [](int z) { return z % 10 <= 2; }))
                front << g;
        if (front.size() == 1) {
            brueckenBefund(
                l, front[0].zaehne.size() == 1 ? QStringLiteral("2.1") : QStringLiteral("2.2"),
                front,
                QStringLiteral("Ausnahme im Oberkiefer bei beidseitiger "
                               "Freiendsituation: "),
                v);
            verblendBefund(l, front,
                           QStringLiteral("2.7 neben 3.1 (Ausnahme im Oberkiefer) ist eine "
                                          "Auslegung"),
                           v);
            for (const int z : front[0].zaehne)
                zaehne.removeAll(z);
        } else if (front.size() > 1) {
            QStringList t;
            for (const Luecke &g : front)
                t << komma(g.zaehne);
            v.kieferPruefen << QStringLiteral("mehrere Lücken der Schneidezähne (%1): die "
                                              "Ausnahme mit 2.1/2.2 neben 3.1 gilt für bis zu "
                                              "zwei nebeneinander fehlende Schneidezähne")
                                   .arg(t.join(QStringLiteral("; ")));
        }
    }
    v.haupt = v.befunde.size();
    v.befund(QStringLiteral("3.1"), zaehne,
             QStringLiteral("Lückensituation II: ") + e.gruende.join(QStringLiteral("; ")),
             e.pruefen.join(QStringLiteral("; ")));

    const Versorgung versorgung = l.schema->versorgung(l.kiefer);
    if (anker.isEmpty()
        || (versorgung != Versorgung::kombination && versorgung != Versorgung::keine))
        return;
    v.ohneKlasse1.unite(QSet<int>(anker.begin(), anker.end()));
    if (versorgung == Versorgung::keine) {
        const QList<int> eins = mitKlasse1(l, anker);
        offen << QStringLiteral("3.2 und 4.7 für Teleskope auf %1 (bei Kombinationsversorgung)")
                     .arg(liste(anker))
                + (eins.isEmpty()
                       ? QString()
                       : QStringLiteral(", davon hängt Klasse 1 an %1 ab").arg(liste(eins)));
        return;
    }
    v.kronen += anker;
    // A telescope anchor gets no crown finding beside it; its veneer is 4.7.
    const QList<int> eins = mitKlasse1(l, anker);
    v.befund(QStringLiteral("3.2"), anker,
             QStringLiteral("Teleskopkronen auf dem endständigen Eckzahn oder ersten Prämolaren "
                            "beider Seiten: %1")
                 .arg(liste(anker)),
             QStringLiteral("Kombinationsversorgung mit Teleskopen angenommen (Geschiebe und Stege "
                            "sind gleichartig); Indikation nach ZE-RL 35")
                 + (eins.isEmpty() ? QString()
                                   : QStringLiteral("; an %1 statt 1.1 und 1.3").arg(liste(eins))));
    v.befund(QStringLiteral("4.7"), anker,
             QStringLiteral("Verblendung der Teleskopkronen im Verblendbereich (%1): %2")
                 .arg(verblendbereich(l.kiefer), liste(anker)));
}

void klasse4(const Kieferlage &l, Kiefervorschlag &v, QStringList &offen)
{
    const bool ok = l.kiefer == Kiefer::OK;
    const QString kiefer = ok ? QStringLiteral("Oberkiefer") : QStringLiteral("Unterkiefer");
    v.haupt = v.befunde.size();
    if (l.rest.isEmpty()) {
        v.befund(ok ? QStringLiteral("4.2") : QStringLiteral("4.4"), l.ersetzen,
                 QStringLiteral("zahnloser %1").arg(kiefer));
        return;
    }
    v.befund(
        ok ? QStringLiteral("4.1") : QStringLiteral("4.3"), l.ersetzen,
        QStringLiteral("Restzahnbestand bis zu 3 Zähnen im %1: %2").arg(kiefer, liste(l.rest)));
    const Versorgung versorgung = l.schema->versorgung(l.kiefer);
    const bool deck = versorgung == Versorgung::deckprothese;
    if (versorgung != Versorgung::keine && !deck && versorgung != Versorgung::kombination)
        return; // the remaining teeth keep their class-1 findings
    v.ohneKlasse1.unite(QSet<int>(l.rest.begin(), l.rest.end()));
    if (versorgung == Versorgung::keine) {
        const QList<int> eins = mitKlasse1(l, l.rest);
        offen << QStringLiteral("Anker auf den Restzähnen %1 (4.6/4.7 oder 4.8 bei Deckprothese "
                                "oder Kombinationsversorgung)")
                     .arg(liste(l.rest))
                + (eins.isEmpty() ? QString()
                                  : QStringLiteral(", sonst Klasse 1 an %1").arg(liste(eins)));
        return;
    }
    QList<int> teleskope, kappen, verblendet;
    for (const int z : l.rest) {
        const Kuerzel k = l.kuerzel(z);
        (k == Kuerzel::r || k == Kuerzel::rw ? kappen : teleskope) << z;
        if (k != Kuerzel::r && k != Kuerzel::rw && imVerblendbereich(z))
            verblendet << z;
    }
    v.kronen += teleskope;
    const QString pruefen = deck
        ? QStringLiteral("Deckprothese: alle Restzähne als Anker angenommen, Teleskope, auf r und "
                         "rw Wurzelstiftkappen; das ist eine Auslegung")
        : QStringLiteral("Kombinationsversorgung: alle Restzähne als Anker angenommen, Teleskope, "
                         "auf r und rw Wurzelstiftkappen; ohne Notwendigkeit der Verankerung "
                         "(ZE-RL 35) gilt Klasse 1");
    if (!teleskope.isEmpty())
        v.befund(QStringLiteral("4.6"), teleskope,
                 QStringLiteral("Teleskopkronen als Anker bei Restzahnbestand bis zu 3 Zähnen: %1")
                     .arg(liste(teleskope)),
                 pruefen);
    if (!verblendet.isEmpty())
        v.befund(QStringLiteral("4.7"), verblendet,
                 QStringLiteral("Verblendung der Teleskopkronen im Verblendbereich (%1): %2")
                     .arg(verblendbereich(l.kiefer), liste(verblendet)));
    if (!kappen.isEmpty())
        v.befund(QStringLiteral("4.8"), kappen,
                 QStringLiteral("Wurzelstiftkappen als Anker bei Restzahnbestand bis zu 3 "
                                "Zähnen: %1")
                     .arg(liste(kappen)),
                 pruefen);
}

// Class 5: the loss of teeth is counted without wisdom teeth, as for class 2.
void klasse5(const Kieferlage &l, Kiefervorschlag &v)
{
    const QString kiefer =
        l.kiefer == Kiefer::OK ? QStringLiteral("Oberkiefer") : QStringLiteral("Unterkiefer");
    const auto nummer = [&l](qsizetype n) {
        return l.rest.isEmpty() ? QStringLiteral("5.4")
            : n <= 4            ? QStringLiteral("5.1")
            : n <= 8            ? QStringLiteral("5.2")
                                : QStringLiteral("5.3");
    };
    QList<int> achter;
    for (const int z : l.bogen)
        if (z % 10 == 8 && l.art(z) == Zahnart::fehlt)
            achter << z;
    const QString nr = nummer(l.fehlend);
    const QString mitAchtern = nummer(l.fehlend + achter.size());
    v.haupt = v.befunde.size();
    v.befund(nr, l.ersetzen,
             l.rest.isEmpty() ? QStringLiteral("Interimsversorgung, zahnloser %1").arg(kiefer)
                              : QStringLiteral("Interimsversorgung, Lückengebiss nach Verlust von "
                                               "%1 Zähnen (ohne Weisheitszähne)")
                                    .arg(l.fehlend),
             QStringLiteral("nur wenn eine endgültige Versorgung nicht sofort möglich ist")
                 + (mitAchtern == nr ? QString()
                                     : QStringLiteral("; mit den fehlenden Weisheitszähnen (%1) "
                                                      "wäre es %2")
                                           .arg(komma(achter), mitAchtern)));
}

} // namespace

void kieferBefunde(const Kieferlage &l, const Einstufung &e, Kiefervorschlag &v)
{
    const Versorgung versorgung = l.schema->versorgung(l.kiefer);
    const QString kiefer = kieferText(l.kiefer);
    if (e.stufe == Stufe::keine) {
        if (versorgung != Versorgung::keine)
            v.hinweise << QStringLiteral("%1: Versorgung „%2“ angegeben, aber kein Zahn ist zu "
                                         "ersetzen")
                              .arg(kiefer, versorgungText(versorgung));
        return;
    }
    QStringList offen; // what the care would decide, when none is given
    const QList<int> anker = e.stufe == Stufe::klasse3 ? teleskopAnker(l) : QList<int>();
    if (versorgung == Versorgung::interim)
        klasse5(l, v);
    else if (e.stufe == Stufe::klasse2)
        lueckenBefunde(l, e, v);
    else if (e.stufe == Stufe::klasse3)
        klasse3(l, e, anker, v, offen);
    else
        klasse4(l, v, offen);

    if (e.stufe == Stufe::klasse4
        && (versorgung == Versorgung::keine || versorgung == Versorgung::deckprothese))
        v.hinweise << QStringLiteral("%1: 4.5 (Metallbasis) und 4.9 (Stützstiftregistrierung) "
                                     "hängen von klinischen Angaben ab, die das Zahnschema nicht "
                                     "hat – prüfen")
                          .arg(kiefer);
    if (versorgung == Versorgung::keine) {
        offen << QStringLiteral("Klasse 5 (bei Interimsversorgung)");
        v.hinweise << QStringLiteral("%1: ohne Angabe der Versorgung nicht vorgeschlagen: %2")
                          .arg(kiefer, offen.join(QStringLiteral("; ")));
    }
    const QString haupt = v.befunde.value(v.haupt).nr;
    if (versorgung == Versorgung::kombination && e.stufe == Stufe::klasse2)
        v.hinweise << QStringLiteral("%1: eine Kombinationsversorgung ist bei Lücken der Klasse 2 "
                                     "andersartig; 3.2 gibt es nur in Klasse 3")
                          .arg(kiefer);
    if (versorgung == Versorgung::kombination && e.stufe == Stufe::klasse3 && anker.isEmpty())
        v.hinweise << QStringLiteral("%1: Kombinationsversorgung angegeben, aber die Zahnreihe ist "
                                     "nicht beidseitig bis zum Eckzahn oder ersten Prämolaren "
                                     "verkürzt oder unterbrochen: kein 3.2")
                          .arg(kiefer);
    if (versorgung == Versorgung::deckprothese && e.stufe != Stufe::klasse4)
        v.hinweise << QStringLiteral("%1: Deckprothese angegeben; 4.6 bis 4.8 gibt es nur bei "
                                     "höchstens 3 Restzähnen (hier %2)")
                          .arg(kiefer)
                          .arg(l.rest.size());
    if (versorgung == Versorgung::bruecke && e.stufe != Stufe::klasse2)
        v.hinweise << QStringLiteral("%1: eine Brücke ist in dieser Lückensituation andersartig; "
                                     "der Befund bleibt %2")
                          .arg(kiefer, haupt);
    if (versorgung == Versorgung::modellguss && e.stufe == Stufe::klasse2)
        v.hinweise << QStringLiteral("%1: eine Modellgussprothese ist bei Lücken der Klasse 2 "
                                     "andersartig; die Befunde bleiben")
                          .arg(kiefer);
}
