// The proposal: each jaw on its own, then the notes on what the chart cannot tell.

#include "zahnschema/vorschlag.h"
#include "zahnschema/regeln.h"

namespace {

// Whether the count of remaining teeth would give another class 4 finding if implants
// counted, or if wisdom teeth did not. For an interim care only "edentulous or not" matters.
QStringList restPruefen(const Kieferlage &l, bool interim)
{
    const auto stufe = [interim](qsizetype n) { return n == 0 ? 0 : n <= 3 || interim ? 1 : 2; };
    const qsizetype n = l.rest.size();
    QStringList p;
    if (stufe(n + l.implantate.size()) != stufe(n))
        p << QStringLiteral("Implantate (%1) nicht als Restzähne gezählt; mit ihnen wären es %2")
                 .arg(komma(l.implantate))
                 .arg(n + l.implantate.size());
    if (stufe(n - l.achter.size()) != stufe(n))
        p << QStringLiteral("Weisheitszähne (%1) als Restzähne gezählt; ohne sie wären es %2")
                 .arg(komma(l.achter))
                 .arg(n - l.achter.size());
    return p;
}

// A free end that only a missing 7 makes rests on the default that the 7 needs replacing.
// Named when the answer "ohne-ersatz" would take the jaw out of class 3.
QStringList siebenerPruefen(const Kieferlage &l, const Einstufung &e)
{
    if (e.stufe != Stufe::klasse3)
        return {};
    Zahnschema anders = *l.schema;
    QStringList siebener, angaben;
    for (const QList<int> &ende : l.endstueck) {
        // A free end of the 7 alone: an unneeded 7 makes none, any other tooth one anyway.
        Zahnbefund b = anders.befund(ende.value(0));
        if (ende.size() != 1 || ende[0] % 10 != 7 || b.ohneErsatz)
            continue;
        b.ohneErsatz = true;
        anders.setzen(ende[0], b);
        siebener << QString::number(ende[0]);
        angaben
            << QStringLiteral("„%1 %2 ohne-ersatz“").arg(siebener.last(), kuerzelText(b.kuerzel));
    }
    if (siebener.isEmpty() || einstufen(kieferlage(anders, l.kiefer)).stufe == Stufe::klasse3)
        return {};
    return {QStringLiteral("Freiendsituation nur durch %1 ohne verwendbaren Weisheitszahn: %2 "
                           "keinen Ersatz (%3), entfällt 3.1")
                .arg(siebener.join(QStringLiteral(" und ")),
                     siebener.size() == 1 ? QStringLiteral("braucht er")
                                          : QStringLiteral("brauchen sie"),
                     angaben.join(QStringLiteral(", ")))};
}

QString mitKuerzel(const Zahnschema &s, const QList<int> &zaehne)
{
    QStringList t;
    for (const int z : sortiert(zaehne))
        t << QStringLiteral("%1 %2").arg(QString::number(z), kuerzelText(s.befund(z).kuerzel));
    return t.join(QStringLiteral(", "));
}

// Teeth to be extracted count as missing: the plan replaces them.
QStringList entfernenPruefen(const Kieferlage &l)
{
    QList<int> zaehne;
    for (const int z : l.bogen)
        if (l.kuerzel(z) == Kuerzel::x || l.kuerzel(z) == Kuerzel::ix)
            zaehne << z;
    if (zaehne.isEmpty())
        return {};
    return {QStringLiteral("zu entfernende Zähne als fehlend gezählt: %1")
                .arg(mitKuerzel(*l.schema, zaehne))};
}

// A tooth of a working removable denture counts as present. Named where counting it as missing
// would give the jaw another gap situation.
QStringList ersetztPruefen(const Kieferlage &l, const Einstufung &e)
{
    Zahnschema anders = *l.schema;
    QList<int> ersetzt;
    for (const int z : l.bogen)
        if (l.kuerzel(z) == Kuerzel::e) {
            ersetzt << z;
            anders.setzen(z, {Kuerzel::f});
        }
    if (ersetzt.isEmpty() || einstufen(kieferlage(anders, l.kiefer)).stufe == e.stufe)
        return {};
    return {QStringLiteral("Zähne einer vorhandenen Prothese (%1) als vorhanden gezählt; als "
                           "fehlend ergäben sie eine andere Lückensituation")
                .arg(mitKuerzel(*l.schema, ersetzt))};
}

// Notes on codes for which no finding of this proposal stands.
void erneuerungsHinweise(const Zahnschema &s, const QSet<int> &abgedeckt, QStringList &hinweise)
{
    QList<int> prothese, ohne;
    for (const int z : Zahnschema::alleZaehne()) {
        const Kuerzel k = s.befund(z).kuerzel;
        if (k == Kuerzel::stw || k == Kuerzel::sew)
            prothese << z;
        else if ((k == Kuerzel::aw || k == Kuerzel::rw || k == Kuerzel::t2w)
                 && !abgedeckt.contains(z))
            ohne << z;
    }
    if (!prothese.isEmpty())
        hinweise << QStringLiteral("zu erneuernde implantatgetragene Prothese (%1): 7.5 bis 7.7 "
                                   "schlägt Kalvomat nicht vor – prüfen, ob sie statt der Befunde "
                                   "dieses Kiefers gelten")
                        .arg(mitKuerzel(s, prothese));
    if (!ohne.isEmpty())
        hinweise << QStringLiteral("ohne Vorschlag: %1 – die Erneuerung hat hier keinen Befund der "
                                   "Klassen 1 bis 4 (etwa Klasse 6) – prüfen")
                        .arg(mitKuerzel(s, ohne));
}

} // namespace

void Kiefervorschlag::befund(const QString &nr, QList<int> zaehne, const QString &grund,
                             const QString &pruefen, int anzahl)
{
    static const QStringList jeKiefer = {
        QStringLiteral("2.3"), QStringLiteral("2.4"), QStringLiteral("3.1"), QStringLiteral("4.1"),
        QStringLiteral("4.2"), QStringLiteral("4.3"), QStringLiteral("4.4"), QStringLiteral("5.1"),
        QStringLiteral("5.2"), QStringLiteral("5.3"), QStringLiteral("5.4")};
    VorgeschlagenerBefund b;
    b.nr = nr;
    b.zaehne = sortiert(zaehne);
    b.kiefer = kiefer;
    b.jeKiefer = jeKiefer.contains(nr);
    b.anzahl = b.jeKiefer ? 1 : anzahl > 0 ? anzahl : static_cast<int>(b.zaehne.size());
    b.grund = grund;
    b.pruefen = pruefen;
    befunde.append(b);
}

bool nummerVor(const QString &a, const QString &b)
{
    const QStringList x = a.split(u'.'), y = b.split(u'.');
    for (qsizetype i = 0; i < std::min(x.size(), y.size()); ++i)
        if (x[i].toInt() != y[i].toInt())
            return x[i].toInt() < y[i].toInt();
    return x.size() < y.size();
}

Vorschlag vorschlagen(const Zahnschema &schema)
{
    Vorschlag vorschlag;
    QList<int> kronen;
    QList<Luecke> luecken;
    QSet<int> abgedeckt;
    for (const Kiefer k : {Kiefer::OK, Kiefer::UK}) {
        const Kieferlage l = kieferlage(schema, k);
        const Einstufung e = einstufen(l);
        Kiefervorschlag v;
        v.kiefer = k;
        kieferBefunde(l, e, v);
        if (e.stufe != Stufe::keine)
            v.kieferPruefen += restPruefen(l, schema.versorgung(k) == Versorgung::interim)
                + siebenerPruefen(l, e) + entfernenPruefen(l);
        v.kieferPruefen += ersetztPruefen(l, e);
        // The open points of the jaw go with its finding of the gap class, or into a note.
        if (v.haupt >= 0) {
            QStringList p = QStringList(v.befunde[v.haupt].pruefen) + v.kieferPruefen;
            p.removeAll(QString());
            v.befunde[v.haupt].pruefen = p.join(QStringLiteral("; "));
        } else if (!v.kieferPruefen.isEmpty()) {
            v.hinweise << kieferText(k) + QStringLiteral(": ")
                    + v.kieferPruefen.join(QStringLiteral("; "));
        }
        einzelzahnBefunde(l, v);
        std::stable_sort(v.befunde.begin(), v.befunde.end(),
                         [](const auto &a, const auto &b) { return nummerVor(a.nr, b.nr); });
        for (const VorgeschlagenerBefund &b : std::as_const(v.befunde))
            abgedeckt.unite(QSet<int>(b.zaehne.begin(), b.zaehne.end()));
        abgedeckt.unite(v.ohneKlasse1);
        vorschlag.befunde += v.befunde;
        vorschlag.hinweise += v.hinweise;
        kronen += v.kronen;
        luecken += v.brueckenluecken;
    }
    if (!kronen.isEmpty())
        vorschlag.hinweise << QStringLiteral("1.4/1.5 (Stiftaufbau auf einem wurzelbehandelten "
                                             "Zahn) sind aus dem Zahnschema nicht ablesbar – "
                                             "prüfen an %1")
                                  .arg(komma(QSet<int>(kronen.begin(), kronen.end()).values()));
    if (!luecken.isEmpty()) {
        QStringList t;
        for (const Luecke &g : sortiert(luecken))
            t << komma(g.zaehne);
        vorschlag.hinweise << QStringLiteral("2.6 (disparallele Pfeilerzähne, Zuschlag je Lücke) "
                                             "ist aus dem Zahnschema nicht ablesbar – prüfen an "
                                             "%1 %2")
                                  .arg(luecken.size() == 1 ? QStringLiteral("der Lücke")
                                                           : QStringLiteral("den Lücken"),
                                       t.join(QStringLiteral("; ")));
    }
    erneuerungsHinweise(schema, abgedeckt, vorschlag.hinweise);
    return vorschlag;
}
