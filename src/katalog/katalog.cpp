#include "katalog/katalog.h"

#include <QStringView>

#include <algorithm>

namespace {

constexpr int feldAnzahl = 20; // fields beyond the 20th are not read
constexpr int eintragsAnzahl = Katalog::hoechsterEintrag + 1;

// The catalogue trims blanks (code 32) only; a tab can never stand in a field, other control
// characters belong to the text.
QStringView ohneLeerzeichen(QStringView text)
{
    qsizetype anfang = 0;
    qsizetype ende = text.size();
    while (anfang < ende && text[anfang] == u' ')
        ++anfang;
    while (ende > anfang && text[ende - 1] == u' ')
        --ende;
    return text.sliced(anfang, ende - anfang);
}

const Befund leererBefund {};
const Leistungseintrag leererEintrag {};

} // namespace

// The line is cut at the first 19 tabs only, so a line with a million tabs costs no more than one
// with twenty.
std::array<QStringView, feldAnzahl> katalogFeldteile(QStringView zeile)
{
    std::array<QStringView, feldAnzahl> feld;
    qsizetype anfang = 0;
    for (QStringView &teil : feld) {
        const qsizetype tab = zeile.indexOf(u'\t', anfang);
        const qsizetype ende = tab < 0 ? zeile.size() : tab;
        teil = ohneLeerzeichen(zeile.sliced(anfang, ende - anfang));
        if (tab < 0)
            break;
        anfang = tab + 1;
    }
    return feld;
}

namespace {

// A finding text quoted in a message: long texts (or binary junk) are cut so that the message
// stays readable.
QString kurz(QStringView text)
{
    constexpr qsizetype hoechstens = 60;
    if (text.size() <= hoechstens)
        return text.toString();
    return text.first(hoechstens).toString() + u'…';
}

QString befundName(QStringView befnr, QStringView beftext)
{
    return kurz(beftext.isEmpty() ? befnr : beftext);
}

bool istUeberschriftText(const QString &text)
{
    return text.size() >= 3 && text.at(2) == u'-';
}

// One service entry from a number field and a text field: a leading "-" marks a deduction and
// is not part of the number (the rest is taken as it stands, not trimmed again).
Leistungseintrag eintrag(QStringView nummer, QStringView text)
{
    if (nummer.startsWith(u'-'))
        return {-1, nummer.sliced(1).toString(), text.toString()};
    return {1, nummer.toString(), text.toString()};
}

QList<Leistungseintrag> vorhandene(const QList<Leistungseintrag> &eintraege)
{
    const auto fehlt = [](const Leistungseintrag &e) { return ohneLeerzeichen(e.nr).isEmpty(); };
    if (std::none_of(eintraege.begin(), eintraege.end(), fehlt))
        return eintraege; // usually all are present: the list is shared, not copied
    QList<Leistungseintrag> liste;
    liste.reserve(eintraege.size());
    for (const Leistungseintrag &e : eintraege) {
        if (!fehlt(e))
            liste.append(e);
    }
    return liste;
}

} // namespace

int Katalog::anzahlBefunde() const
{
    return liste_.isEmpty() ? 0 : static_cast<int>(liste_.size()) - 1;
}

QStringList Katalog::ignoriert() const
{
    QStringList texte;
    for (const Auslassung &a : auslassungen_)
        texte.append(QStringLiteral("Zeile %1: %2").arg(a.zeile).arg(a.text));
    return texte;
}

const Katalog::Zeile *Katalog::tabellenzeile(int i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= zeilen_.size())
        return nullptr;
    return &zeilen_[static_cast<std::size_t>(i)];
}

qsizetype Katalog::zeile(int i) const
{
    const Zeile *z = tabellenzeile(i);
    return z ? z->zeile : 0;
}

const Befund &Katalog::befund(int i) const
{
    const Zeile *z = tabellenzeile(i);
    return z ? z->befund : leererBefund;
}

bool Katalog::istUeberschrift(int i) const
{
    return istUeberschriftText(befund(i).beftext);
}

int Katalog::bemazeiger(const QString &befundText) const
{
    // The last row of the table with this text: a finding text that was used twice finds the
    // later finding. The rows after the last finding take part too and are empty, so while the
    // table has room an empty text finds its last row.
    if (befundText.isEmpty() && zeilen_.size() < static_cast<std::size_t>(hoechsterBefund) + 1)
        return hoechsterBefund;
    for (int i = static_cast<int>(zeilen_.size()) - 1; i >= 0; --i) {
        if (zeilen_[static_cast<std::size_t>(i)].befund.beftext == befundText)
            return i;
    }
    return -1;
}

int Katalog::belzeiger(const QString &befundText) const
{
    return bemazeiger(befundText);
}

namespace {

const Leistungseintrag &eintragAus(const QList<Leistungseintrag> &eintraege, int k)
{
    return k >= 0 && k < eintraege.size() ? eintraege.at(k) : leererEintrag;
}

} // namespace

const Leistungseintrag &Katalog::bema(int i, int k) const
{
    const Zeile *z = tabellenzeile(i);
    return z ? eintragAus(z->bema, k) : leererEintrag;
}

const Leistungseintrag &Katalog::bel(int i, int k) const
{
    const Zeile *z = tabellenzeile(i);
    return z ? eintragAus(z->bel, k) : leererEintrag;
}

QList<Leistungseintrag> Katalog::bemaEintraege(int i) const
{
    const Zeile *z = tabellenzeile(i);
    return z ? vorhandene(z->bema) : QList<Leistungseintrag>();
}

QList<Leistungseintrag> Katalog::belEintraege(int i) const
{
    const Zeile *z = tabellenzeile(i);
    return z ? vorhandene(z->bel) : QList<Leistungseintrag>();
}

Katalog katalogAusZeilen(const QStringList &zeilen)
{
    Katalog k;
    if (zeilen.isEmpty())
        return k; // an empty file: not even the clear entry

    // The header line is never examined.
    k.liste_.append(QString::fromUtf16(Katalog::leerEintrag));
    k.zeilen_.resize(1);

    // The last row is the current finding's; continuation lines before the first finding go to
    // row 0.
    const auto befunde = [&k] { return static_cast<int>(k.zeilen_.size()) - 1; };
    // A finding that did not fit takes its continuation lines with it: they must not add
    // services to the last finding that did fit.
    bool befundVerworfen = false;

    for (qsizetype z = 1; z < zeilen.size(); ++z) {
        const QString &zeile = zeilen.at(z);
        if (!zeile.contains(u'\t'))
            continue;
        const qsizetype zeilenNr = z + 1;
        const auto feld = katalogFeldteile(zeile);

        if (!feld[0].isEmpty()) {
            if (befunde() >= Katalog::hoechsterBefund) {
                befundVerworfen = true;
                k.auslassungen_.append(
                    {zeilenNr, 1,
                     QStringLiteral("mehr als %1 Befunde, der Befund „%2“ wurde samt seinen "
                                    "Leistungen nicht übernommen.")
                         .arg(Katalog::hoechsterBefund)
                         .arg(befundName(feld[0], feld[1]))});
                continue;
            }
            befundVerworfen = false;
            k.zeilen_.emplace_back();
            k.zeilen_.back().zeile = zeilenNr;
            Befund &b = k.zeilen_.back().befund;
            b.befnr = feld[0].toString();
            b.beftext = feld[1].toString();
            k.liste_.append(b.beftext);
            if (istUeberschriftText(b.beftext)) {
                if (k.gruppen_.size() < Katalog::gruppenAnzahl) {
                    k.gruppen_.append(b.beftext);
                } else {
                    k.auslassungen_.append(
                        {zeilenNr, 2,
                         QStringLiteral("mehr als %1 Gruppenüberschriften, die Überschrift "
                                        "„%2“ steht nur in der Befundliste.")
                             .arg(Katalog::gruppenAnzahl)
                             .arg(kurz(b.beftext))});
                }
            }
            b.befinfo1 = feld[2].toString();
            b.befinfo2 = feld[3].toString();
            // Checked indexes: a wrong bound stops here instead of writing into the next member.
            for (std::size_t s = 0; s < 4; ++s) {
                b.befzuschuss.at(s) = feld[4 + s].toString();
                b.befgrenze.at(s) = feld[8 + s].toString();
            }
            b.befnichtz = feld[12].toString();
            b.befnichtk = feld[13].toString();
            b.weitere[0] = feld[14].toString();
            b.weitere[1] = feld[15].toString();
        } else if (befundVerworfen) {
            continue;
        }

        const auto ueberzaehlig = [&](int f, const QString &tabelle, QStringView nummer) {
            const Befund &b = k.zeilen_.back().befund;
            const QString name = befunde() == 0
                ? QStringLiteral("vor dem ersten Befund")
                : QStringLiteral("beim Befund „%1“").arg(befundName(b.befnr, b.beftext));
            k.auslassungen_.append({zeilenNr, f,
                                    QStringLiteral("mehr als %1 %2-Einträge %3, der Eintrag "
                                                   "„%4“ wurde nicht übernommen.")
                                        .arg(eintragsAnzahl)
                                        .arg(tabelle, name, kurz(nummer))});
        };

        // A finding line starts its finding's entries afresh: its index is a new one.
        QList<Leistungseintrag> &bema = k.zeilen_.back().bema;
        QList<Leistungseintrag> &bel = k.zeilen_.back().bel;
        if (!feld[16].isEmpty()) {
            if (bema.size() < eintragsAnzahl)
                bema.append(eintrag(feld[16], feld[17]));
            else
                ueberzaehlig(17, QStringLiteral("BEMA"), feld[16]);
        }
        if (!feld[18].isEmpty()) {
            if (bel.size() < eintragsAnzahl)
                bel.append(eintrag(feld[18], feld[19]));
            else
                ueberzaehlig(19, QStringLiteral("BEL"), feld[18]);
        }
    }
    return k;
}
