#include "plan/region.h"

#include <QList>
#include <QStringView>

#include <algorithm>
#include <bitset>

namespace {

// The only characters a region keeps; everything else becomes a blank.
constexpr QStringView zahnzeichen = u"12345678UOK";

// A token's number is held as a 16-bit whole number; a longer digit run names no tooth.
constexpr int groessteTokenZahl = 32767;
constexpr int keineZahl = -1;
constexpr int hoechsterZahn = 48;

bool istOberkieferZahn(int zahl)
{
    return (zahl >= 11 && zahl <= 18) || (zahl >= 21 && zahl <= 28);
}

bool istUnterkieferZahn(int zahl)
{
    return (zahl >= 31 && zahl <= 38) || (zahl >= 41 && zahl <= 48);
}

// Upper case, and one blank for every character (code point) that cannot belong to a region.
QString bereinigen(const QString &eingabe)
{
    QString t;
    t.reserve(eingabe.size());
    for (qsizetype k = 0; k < eingabe.size(); ++k) {
        const QChar c = eingabe.at(k);
        if (c.isHighSurrogate() && k + 1 < eingabe.size() && eingabe.at(k + 1).isLowSurrogate())
            ++k; // one character outside the basic plane: one blank
        const QChar gross = c.toUpper();
        t += zahnzeichen.contains(gross) ? gross : QChar(u' ');
    }
    return t;
}

// The leading digit run of a token as a number; keineZahl when it starts with a letter or the
// run is longer than a 16-bit number holds.
int tokenZahl(QStringView token)
{
    int zahl = 0;
    bool ziffern = false;
    for (const QChar c : token) {
        if (c < u'0' || c > u'9')
            break;
        zahl = zahl * 10 + (c.unicode() - u'0');
        if (zahl > groessteTokenZahl)
            return keineZahl;
        ziffern = true;
    }
    return ziffern ? zahl : keineZahl;
}

// Overwrites the first occurrence of a jaw name with two blanks; true when there was one.
bool kieferNehmen(QString &t, QStringView name)
{
    const qsizetype pos = t.indexOf(name);
    if (pos < 0)
        return false;
    t.replace(pos, name.size(), QString(name.size(), u' '));
    return true;
}

} // namespace

RegionErgebnis regionAuswerten(const QString &eingabe, const std::array<std::int64_t, 4> &grenzen)
{
    RegionErgebnis ergebnis;
    QString t = bereinigen(eingabe);
    ergebnis.text = t.trimmed();

    std::int64_t oben = 0;
    std::int64_t unten = 0;
    std::int64_t obenGenannt = 0; // the jaw is named by "OK"
    std::int64_t untenGenannt = 0; // by "UK"
    std::int64_t anzahl = 0;

    if (!ergebnis.text.isEmpty()) {
        // Only the first "OK" and the first "UK" name a jaw; a second one is a token that
        // names no tooth.
        if (kieferNehmen(t, u"OK"))
            obenGenannt = 1;
        if (kieferNehmen(t, u"UK"))
            untenGenannt = 1;

        // A tooth named twice in one region is a typing slip: it counts once.
        std::bitset<hoechsterZahn + 1> genannt;
        for (const QStringView token : QStringView(t).split(u' ', Qt::SkipEmptyParts)) {
            const int zahl = tokenZahl(token);
            const bool oberkiefer = istOberkieferZahn(zahl);
            if (!oberkiefer && !istUnterkieferZahn(zahl))
                continue;
            if (genannt.test(static_cast<std::size_t>(zahl)))
                continue;
            genannt.set(static_cast<std::size_t>(zahl));
            ++(oberkiefer ? oben : unten);
        }

        // With nothing named every count below stays 0, and the row counts once.
        const auto aktiv = [](std::int64_t grenze) { return grenze >= 0; };
        // The overall limit counts named teeth only, not "OK"/"UK".
        if (aktiv(grenzen[0]))
            anzahl = std::min(oben + unten, grenzen[0]);
        // A jaw named only by "OK" or "UK" counts as one.
        if (oben == 0)
            oben = obenGenannt;
        if (unten == 0)
            unten = untenGenannt;
        // The per-jaw limit cuts each jaw and replaces the count.
        if (aktiv(grenzen[1])) {
            oben = std::min(oben, grenzen[1]);
            unten = std::min(unten, grenzen[1]);
            anzahl = oben + unten;
        }
        // The last two limits replace the count only when the jaws together exceed them;
        // when both do, the later one wins.
        for (const std::int64_t grenze : {grenzen[2], grenzen[3]}) {
            if (aktiv(grenze) && oben + unten > grenze)
                anzahl = grenze;
        }
    }

    // A row always counts at least once.
    ergebnis.anzahl = anzahl == 0 ? 1 : anzahl;
    return ergebnis;
}
