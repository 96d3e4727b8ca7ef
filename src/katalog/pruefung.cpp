#include "katalog/pruefung.h"

#include "katalog/zahlwert.h"
#include "leistungen/leistarray.h"

#include <QLocale>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

using Art = Pruefmeldung::Art;

constexpr int ersterBetrag = 5; // fields 5 to 8: the amounts of the four bonus levels
constexpr int ersteGrenze = 9; // fields 9 to 12: the count limits
constexpr int letzteGrenze = 12;
// The share of the hardship amount that each level pays since October 2020, in percent.
constexpr int anteil[3] = {60, 70, 75};
// Beyond this many EUR an amount is far outside any subsidy; the level check leaves it alone
// instead of computing with cents that no longer fit.
constexpr double groessterPruefbetrag = 1e12;

QStringView feldName(int feld)
{
    static const char16_t *const namen[20] = {u"Nr",
                                              u"Befundtext",
                                              u"Beschreibung",
                                              u"Hinweis",
                                              u"ohne Bonus",
                                              u"Bonus 20%",
                                              u"Bonus 30%",
                                              u"Härtefall",
                                              u"Zählgrenze",
                                              u"Zählgrenze",
                                              u"Zählgrenze",
                                              u"Zählgrenze",
                                              u"nicht am selben Zahn",
                                              u"nicht im selben Kiefer",
                                              u"frei",
                                              u"frei",
                                              u"BEMA-Nr",
                                              u"BEMA-Text",
                                              u"BEL-Nr",
                                              u"BEL-Text"};
    return namen[feld - 1];
}

// A field's content as quoted in a message, shortened so that binary junk stays readable.
QString zitat(QStringView text)
{
    constexpr qsizetype hoechstens = 40;
    QString z;
    z.reserve(hoechstens + 3);
    z.append(u'„').append(text.first(std::min(text.size(), hoechstens)));
    if (text.size() > hoechstens)
        z.append(u'…');
    return z.append(u'“');
}

// A number as a German reader writes it.
QString deutsch(double wert)
{
    if (std::isinf(wert))
        return QStringLiteral("einen unendlich großen Wert");
    // A whole number is written the same in every locale without group separators, and most
    // numbers a damaged file gives are whole (0 above all): no locale needed.
    if (std::abs(wert) < 1e15 && wert == std::trunc(wert))
        return QString::number(static_cast<long long>(wert));
    static const QLocale locale = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return locale.toString(wert + 0.0, 'g', 15);
}

// What Kalvomat takes from a number field: an amount as zahlwert reads it, a count limit as the
// whole number the plan counts with.
QString gelesen(const QString &text, bool ganz)
{
    return ganz ? QString::number(zaehlgrenze(text)) : deutsch(zahlwert(text));
}

QString centText(long long cent)
{
    const long long betrag = cent < 0 ? -cent : cent;
    return QStringLiteral("%1%2,%3")
        .arg(cent < 0 ? QStringLiteral("-") : QString())
        .arg(betrag / 100)
        .arg(betrag % 100, 2, 10, QLatin1Char('0'));
}

QRegularExpression ganzesMuster(const QString &muster)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(muster),
                              QRegularExpression::CaseInsensitiveOption);
}

bool passt(const QRegularExpression &muster, const QString &text)
{
    return muster.match(text).hasMatch();
}

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits, and before them an optional sign; for an amount optionally "," or "." and further
// digits: a number as the catalogue wants it. Checked on every number field of every finding,
// hence by hand and without allocating.
bool einfacheZahl(QStringView text, bool ganz)
{
    qsizetype i = 0;
    const auto ziffern = [&] {
        const qsizetype anfang = i;
        while (i < text.size() && ziffer(text[i]))
            ++i;
        return i > anfang;
    };
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    if (!ziffern())
        return false;
    if (!ganz && i < text.size() && (text[i] == u',' || text[i] == u'.')) {
        ++i;
        if (!ziffern())
            return false;
    }
    return i == text.size();
}

// Digits with at most one point between them: a finding number such as 1.1.
bool befundnummer(QStringView text)
{
    const auto ziffern = [](QStringView t) {
        return !t.isEmpty() && std::all_of(t.begin(), t.end(), ziffer);
    };
    const qsizetype punkt = text.indexOf(u'.');
    return punkt < 0 ? ziffern(text)
                     : ziffern(text.first(punkt)) && ziffern(text.sliced(punkt + 1));
}

// A word of three or more letters, not counting a currency: the field holds text, not a number.
bool textartig(QStringView text)
{
    qsizetype anfang = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i].isLetter())
            continue;
        const QStringView wort = text.sliced(anfang, i - anfang);
        if (wort.size() >= 3 && wort.compare(u"eur", Qt::CaseInsensitive) != 0
            && wort.compare(u"euro", Qt::CaseInsensitive) != 0)
            return true;
        anfang = i + 1;
    }
    return false;
}

// A number field that is not a plain number: what Kalvomat reads from it, and whether that is
// what the practice meant. Nothing when the field is a plain number or empty (an empty limit reads
// as 0 and takes effect as a bound, as the format says; empty amounts are judged per finding).
std::optional<std::pair<Art, QString>> zahlBefund(const QString &text, bool ganz)
{
    static const QRegularExpression tausenderpunkte =
        ganzesMuster(QStringLiteral("[+-]?[0-9]{1,3}(\\.[0-9]{3})+(,[0-9]+)?"));
    static const QRegularExpression waehrung =
        ganzesMuster(QStringLiteral("(.*[0-9]) ?(€|EUR|Euro)"));
    static const QRegularExpression leerzeichen =
        ganzesMuster(QStringLiteral("[+-]?[0-9]{1,3}( [0-9]{3})+([.,][0-9]+)?"));
    static const QRegularExpression ohneNull = ganzesMuster(QStringLiteral("([+-]?)[.,]([0-9]+)"));
    static const QRegularExpression exponent =
        ganzesMuster(QStringLiteral("[+-]?[0-9]+([.,][0-9]+)?e[+-]?[0-9]+"));
    static const QRegularExpression nullenDanach =
        ganzesMuster(QStringLiteral("([+-]?[0-9]+)[.,]0+"));

    if (text.isEmpty())
        return std::nullopt;
    const double wert = zahlwert(text);
    const auto negativ = [&] {
        return std::pair {Art::Fehler,
                          QStringLiteral("%1 ist negativ; Kalvomat liest daraus %2 und zieht den "
                                         "Betrag von der Summe ab. Festzuschüsse sind nie "
                                         "negativ: das Minus entfernen.")
                              .arg(zitat(text), deutsch(wert))};
    };
    if (einfacheZahl(text, ganz)) {
        // "1.234" is a plain number, but surely meant as 1234.
        if (const qsizetype punkt = text.indexOf(u'.');
            !ganz && punkt >= 0 && punkt == text.size() - 4) {
            QString komma = text;
            return std::pair {Art::Fehler,
                              QStringLiteral("%1 sieht aus wie eine Zahl mit Tausenderpunkt; "
                                             "Kalvomat liest daraus %2. Ohne Punkt schreiben "
                                             "(%3) oder mit Komma (%4).")
                                  .arg(zitat(text), deutsch(wert), QString(text).remove(u'.'),
                                       komma.replace(u'.', u','))};
        }
        if (!ganz && wert < 0)
            return negativ();
        return std::nullopt;
    }
    if (text.contains(u'.') && passt(tausenderpunkte, text) && !(ganz && text.contains(u','))) {
        return std::pair {Art::Fehler,
                          QStringLiteral("%1 enthält einen Tausenderpunkt; Kalvomat liest daraus "
                                         "%2. Ohne Punkt schreiben: %3.")
                              .arg(zitat(text), gelesen(text, ganz), QString(text).remove(u'.'))};
    }

    // Ways of writing that zahlwert reads as meant: the clean form and what differs from it.
    // They hold digits and nothing but signs, separators, blanks, an exponent and a currency.
    const auto schreibweise = [](QChar c) {
        return ziffer(c) || QStringView(u"+-,. eE€uUrRoO").contains(c);
    };
    if (std::any_of(text.begin(), text.end(), ziffer)
        && std::all_of(text.begin(), text.end(), schreibweise)) {
        QString sauber = text;
        QStringList abweichungen;
        if (const auto w = ganz ? QRegularExpressionMatch() : waehrung.match(sauber);
            w.hasMatch()) {
            sauber = w.captured(1);
            abweichungen << QStringLiteral("Währungsangabe");
        }
        if (passt(leerzeichen, sauber)) {
            sauber.remove(u' ');
            abweichungen << QStringLiteral("Leerzeichen");
        }
        if (const auto o = ohneNull.match(sauber); o.hasMatch()) {
            sauber = o.captured(1) + QStringLiteral("0,") + o.captured(2);
            abweichungen << QStringLiteral("keine Ziffer vor dem Komma");
        }
        if (passt(exponent, sauber) && std::isfinite(wert)) {
            sauber = deutsch(wert);
            abweichungen << QStringLiteral("Exponent");
        }
        if (const auto n = ganz ? nullenDanach.match(sauber) : QRegularExpressionMatch();
            n.hasMatch()) {
            sauber = n.captured(1);
            abweichungen << QStringLiteral("Nachkommastellen");
        }
        if (!abweichungen.isEmpty() && einfacheZahl(sauber, ganz) && zahlwert(sauber) == wert) {
            if (!ganz && wert < 0)
                return negativ();
            return std::pair {
                Art::Hinweis,
                QStringLiteral("%1 ist keine einfache %2 (%3); Kalvomat liest "
                               "daraus %4, wie gemeint. Besser „%5“ schreiben.")
                    .arg(zitat(text), ganz ? QStringLiteral("ganze Zahl") : QStringLiteral("Zahl"),
                         abweichungen.join(QStringLiteral(", ")), gelesen(text, ganz), sauber)};
        }
    }

    QString grund;
    if (text.contains(u'"'))
        grund = QStringLiteral(" (Anführungszeichen)");
    else if (text.contains(QChar(0x00A0)))
        grund = QStringLiteral(" (ein geschütztes Leerzeichen beendet die Zahl)");
    if (ganz) {
        return std::pair {Art::Fehler,
                          QStringLiteral("%1 ist keine ganze Zahl%2; Kalvomat liest daraus %3. "
                                         "Eine ganze Zahl eintragen (-1 schaltet die Grenze ab).")
                              .arg(zitat(text), grund, gelesen(text, true))};
    }
    return std::pair {Art::Fehler,
                      QStringLiteral("%1 ist keine einfache Zahl%2; Kalvomat liest daraus %3. "
                                     "Nur Ziffern und höchstens ein Komma eintragen, z. B. "
                                     "210,69.")
                          .arg(zitat(text), grund, gelesen(text, false))};
}

class Pruefer
{
public:
    Pruefer(const Textinhalt &datei, const Katalog &katalog) : datei_(datei), k_(katalog) { }

    QList<Pruefmeldung> ergebnis()
    {
        // Read as Windows-1252, a UTF-16 file is garbled in every field: one message says it all.
        if (datei_.zeichensatz == Zeichensatz::utf16) {
            melde(0, 0, Art::Fehler,
                  QStringLiteral("Zeichensatz UTF-16 („Unicode-Text“); Kalvomat liest die Datei "
                                 "als Windows-1252 und damit jedes Zeichen falsch. Die Datei als "
                                 "„Text (Tabulator-getrennt)“ in Windows-1252 oder UTF-8 "
                                 "speichern."));
            return m_;
        }
        dateiPruefen();
        zeilenPruefen();
        for (int i = 1; i <= k_.anzahlBefunde(); ++i)
            befundPruefen(i);
        for (const Auslassung &a : k_.auslassungen())
            melde(a.zeile, a.feld, Art::Fehler, a.text);
        if (!ohneBetraege_.isEmpty()) {
            melde(ohneBetraege_.first(), ersterBetrag, Art::Hinweis,
                  QStringLiteral("%1 Befunde haben keine Beträge, der erste in dieser Zeile; "
                                 "Kalvomat rechnet für sie 0 Euro. Die Beträge der amtlichen "
                                 "Tabelle eintragen.")
                      .arg(ohneBetraege_.size()));
        }
        listenPruefen(bema_, 17, QStringLiteral("BEMA"), Leistarray::bemaGroesse);
        listenPruefen(bel_, 19, QStringLiteral("BEL"), Leistarray::belGroesse);
        std::stable_sort(m_.begin(), m_.end(), [](const Pruefmeldung &a, const Pruefmeldung &b) {
            return a.zeile != b.zeile ? a.zeile < b.zeile : a.feld < b.feld;
        });
        return m_;
    }

private:
    // Distinct service numbers per sign, each with the line of the finding that brought the
    // number past the size of the sorted total list.
    struct Liste
    {
        QSet<QString> nummern; // "1"
        QSet<QString> abzuege; // "-1"
        qsizetype zeileDesUeberlaufs = 0;
        qsizetype anzahl() const { return nummern.size() + abzuege.size(); }
    };

    void melde(qsizetype zeile, int feld, Art art, const QString &text)
    {
        m_.append({zeile, feld, art, text});
    }

    // How the file was saved, and a file that is not empty and yet gives no finding at all.
    void dateiPruefen()
    {
        if (datei_.nurLf)
            melde(0, 0, Art::Hinweis,
                  QStringLiteral("Zeilenenden nur LF; Kalvomat liest sie wie CR LF."));
        if (datei_.zeichensatz != Zeichensatz::windows1252) {
            melde(0, 0, Art::Hinweis,
                  QStringLiteral("Zeichensatz UTF-8%1 statt Windows-1252; Kalvomat liest die "
                                 "Datei als UTF-8, Umlaute und € bleiben richtig.")
                      .arg(datei_.zeichensatz == Zeichensatz::utf8MitKennung
                               ? QStringLiteral(" mit Kennung (BOM)")
                               : QString()));
        }
        if (datei_.kaputteUtf8Zeile > 0) {
            melde(datei_.kaputteUtf8Zeile, 0, Art::Fehler,
                  QStringLiteral("Die Zeile enthält Bytes, die kein UTF-8 sind, obwohl die Datei "
                                 "mit der UTF-8-Kennung beginnt; Kalvomat zeigt sie als „\uFFFD“. "
                                 "Die Datei einheitlich als UTF-8 oder als Windows-1252 "
                                 "speichern."));
        }
        const QStringList &zeilen = datei_.zeilen;
        if (zeilen.isEmpty() || k_.anzahlBefunde() > 0)
            return;
        QString grund;
        QString abhilfe;
        const auto mitTab = [](const QString &z) { return z.contains(u'\t'); };
        if (zeilen.size() == 1) {
            grund = QStringLiteral("sie hat nur eine Zeile, die Kopfzeile");
            abhilfe = QStringLiteral("Die Befunde ab Zeile 2 eintragen, je Befund eine Zeile.");
        } else if (std::none_of(zeilen.begin() + 1, zeilen.end(), mitTab)) {
            const bool semikolon = std::any_of(zeilen.begin(), zeilen.end(),
                                               [](const QString &z) { return z.contains(u';'); });
            grund = semikolon ? QStringLiteral("keine Zeile hat einen Tabulator, die Felder sind "
                                               "mit Semikolon getrennt")
                              : QStringLiteral("keine Zeile nach der Kopfzeile hat einen "
                                               "Tabulator");
            abhilfe = QStringLiteral("Die Felder mit Tabulatoren trennen, in einer "
                                     "Tabellenkalkulation als „Text (Tabulator-getrennt)“ "
                                     "speichern.");
        } else {
            grund = QStringLiteral("keine Zeile hat eine Nr in Feld 1");
            abhilfe = QStringLiteral("Jeder Befund braucht in Feld 1 seine Nummer, z. B. 1.1.");
        }
        melde(0, 0, Art::Fehler,
              QStringLiteral("Die Datei enthält keinen Befund: %1; die Befundliste bleibt leer. "
                             "%2")
                  .arg(grund, abhilfe));
    }

    // Line ends inside lines, continuation lines, and texts in quotes.
    void zeilenPruefen()
    {
        const QStringList &zeilen = datei_.zeilen;
        const qsizetype ersterBefund = k_.anzahlBefunde() > 0 ? k_.zeile(1) : zeilen.size() + 1;
        for (qsizetype z = 0; z < zeilen.size(); ++z) {
            const QString &zeile = zeilen.at(z);
            // Only a file without any CR ends its lines at LF; in any other a lone LF is text.
            if (const qsizetype lf = zeile.indexOf(u'\n'); lf >= 0) {
                const int f = static_cast<int>(zeile.first(lf).count(u'\t')) + 1;
                melde(z + 1, f <= 20 ? f : 0, Art::Fehler,
                      QStringLiteral("Ein Zeilenumbruch nur aus LF in einer Datei mit CR LF; "
                                     "Kalvomat liest dort kein Zeilenende, der Text danach "
                                     "gehört noch zu dieser Zeile. Die Zeilenenden der Datei "
                                     "einheitlich speichern."));
            }
            if (z == 0 || !zeile.contains(u'\t'))
                continue;
            const auto feld = katalogFeldteile(zeile);
            anfuehrungszeichenPruefen(z + 1, feld);
            if (!feld[0].isEmpty())
                continue;
            const auto gefuellt = std::find_if(feld.begin() + 1, feld.end(),
                                               [](QStringView f) { return !f.isEmpty(); });
            const int f = static_cast<int>(gefuellt - feld.begin()) + 1;
            if (gefuellt == feld.end())
                continue;
            if (z + 1 < ersterBefund) {
                melde(z + 1, f, Art::Fehler,
                      QStringLiteral("Zeile ohne Nr vor dem ersten Befund; sie gehört zu keinem "
                                     "Befund, ihre Leistungen erscheinen nirgends. Die Zeile "
                                     "unter ihren Befund setzen."));
            } else if (f <= 16) {
                melde(z + 1, f, Art::Hinweis,
                      QStringLiteral("Feld 1 (Nr) ist leer: die Zeile ergänzt nur Leistungen des "
                                     "Befunds darüber, die Felder 2 bis 16 werden nicht gelesen. "
                                     "Ist es ein eigener Befund, seine Nr eintragen."));
            }
        }
    }

    // Spreadsheets wrap texts in straight quotes when they export them; Kalvomat shows them.
    void anfuehrungszeichenPruefen(qsizetype zeile, const std::array<QStringView, 20> &feld)
    {
        const bool befundzeile = !feld[0].isEmpty();
        QList<int> felder;
        for (int f : {2, 3, 4, 13, 14, 17, 18, 19, 20}) {
            const QStringView t = feld[static_cast<std::size_t>(f - 1)];
            if ((befundzeile || f >= 17) && t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
                felder << f;
        }
        if (felder.isEmpty())
            return;
        QString auch;
        for (qsizetype i = 1; i < felder.size(); ++i)
            auch += (i == 1 ? QStringLiteral(" (in dieser Zeile auch Feld ") : QStringLiteral(", "))
                + QString::number(felder[i]);
        if (!auch.isEmpty())
            auch += u')';
        melde(zeile, felder.first(), Art::Hinweis,
              QStringLiteral("Der Text %1 steht in Anführungszeichen, wie eine Tabellenkalkulation "
                             "sie beim Speichern setzt; Kalvomat zeigt und druckt sie mit. Die "
                             "Anführungszeichen entfernen%2.")
                  .arg(zitat(feld[static_cast<std::size_t>(felder.first() - 1)]), auch));
    }

    void befundPruefen(int i)
    {
        const Befund &b = k_.befund(i);
        const qsizetype zeile = k_.zeile(i);
        if (!befundnummer(b.befnr)) {
            melde(zeile, 1, Art::Fehler,
                  QStringLiteral("%1 ist keine Befundnummer (Ziffern und höchstens ein Punkt, "
                                 "z. B. 1.1); Kalvomat zeigt und druckt %1 als Nr. Die Nummer "
                                 "berichtigen; in einer Tabellenkalkulation die Spalte vorher "
                                 "als Text formatieren, sonst wird aus 1.1 ein Datum.")
                      .arg(zitat(b.befnr)));
        }
        int frueher = 1; // the first finding of the same text
        while (k_.befund(frueher).beftext != b.beftext)
            ++frueher;
        if (frueher < i) {
            melde(zeile, 2, Art::Hinweis,
                  QStringLiteral("Der Befundtext %1 steht schon in Zeile %2; in der Befundliste "
                                 "sind die Befunde nicht zu unterscheiden. Einen der Texte "
                                 "ändern.")
                      .arg(zitat(b.beftext), QString::number(k_.zeile(frueher))));
        }
        // A heading never comes into a plan row: its amounts, limits and services are not used.
        if (k_.istUeberschrift(i))
            return;
        if (!verschobenPruefen(b, zeile)) {
            betraegePruefen(b, zeile);
            for (int g = 0; g < 4; ++g) {
                const int feld = ersteGrenze + g;
                if (const auto befund = zahlBefund(b.befgrenze[static_cast<std::size_t>(g)], true))
                    melde(zeile, feld, befund->first, befund->second);
            }
        }
        for (const Leistungseintrag &e : k_.bemaEintraege(i))
            zaehle(bema_, e, zeile, Leistarray::bemaGroesse);
        for (const Leistungseintrag &e : k_.belEintraege(i))
            zaehle(bel_, e, zeile, Leistarray::belGroesse);
    }

    // A deleted tab moves every later field of a line one column to the left, a surplus tab one
    // to the right. Then a number stands in a text field, or text in a number field at the edge
    // of the numbers; every other message about the line's numbers would only confuse. True when
    // the line looks shifted (and that is reported).
    bool verschobenPruefen(const Befund &b, qsizetype zeile)
    {
        const auto f = [&b](int n) -> const QString & {
            switch (n) {
            case 2:
                return b.beftext;
            case 3:
                return b.befinfo1;
            case 4:
                return b.befinfo2;
            case 13:
                return b.befnichtz;
            }
            // Any other field is an amount or a count limit; at() stops a wrong field number.
            return n < ersteGrenze ? b.befzuschuss.at(static_cast<std::size_t>(n - ersterBetrag))
                                   : b.befgrenze.at(static_cast<std::size_t>(n - ersteGrenze));
        };
        const auto zahl = [&](int n) { return einfacheZahl(f(n), false); };
        const auto text = [&](int n) { return textartig(f(n)); };
        const auto zahlen = [&](int von, int bis) {
            bool gefunden = false;
            for (int n = von; n <= bis; ++n)
                gefunden = gefunden || zahl(n);
            return gefunden;
        };
        int erster = 0; // the first and the last number field that holds text
        int letzter = 0;
        for (int n = ersterBetrag; n <= letzteGrenze; ++n) {
            if (text(n)) {
                erster = erster == 0 ? n : erster;
                letzter = n;
            }
        }
        for (int n = 2; n < ersterBetrag; ++n) {
            if (zahl(n)) {
                melde(zeile, n, Art::Fehler,
                      QStringLiteral("Feld %1 enthält die Zahl %2 – fehlt davor ein Tabulator? "
                                     "Kalvomat liest sie als %3 und die Beträge und Zählgrenzen "
                                     "dieser Zeile eine Spalte zu weit links. Den fehlenden "
                                     "Tabulator einfügen.")
                          .arg(QString::number(n), zitat(f(n)), feldName(n)));
                return true;
            }
        }
        if (erster == 0)
            return false;
        const bool betrag = erster < ersteGrenze;
        const QString alsWas =
            QStringLiteral("%1 als %2 %3")
                .arg(zitat(f(erster)),
                     betrag ? QStringLiteral("Betrag") : QStringLiteral("Zählgrenze"),
                     gelesen(f(erster), !betrag));
        if (zahlen(ersterBetrag, erster - 1) && !zahlen(letzter + 1, letzteGrenze)
            && erster >= ersteGrenze) {
            melde(zeile, erster, Art::Fehler,
                  QStringLiteral("Feld %1 enthält Text – fehlt davor ein Tabulator? Kalvomat "
                                 "liest %2 und die Felder davor eine Spalte zu weit links. Den "
                                 "fehlenden Tabulator einfügen.")
                      .arg(QString::number(erster), alsWas));
            return true;
        }
        if (betrag && !zahlen(ersterBetrag, erster - 1) && zahl(13)) {
            melde(zeile, erster, Art::Fehler,
                  QStringLiteral("Feld %1 enthält Text – steht davor ein Tabulator zu viel? "
                                 "Kalvomat liest %2 und die Beträge und Zählgrenzen dieser "
                                 "Zeile eine Spalte zu weit rechts. Den überzähligen Tabulator "
                                 "löschen.")
                      .arg(QString::number(erster), alsWas));
            return true;
        }
        return false;
    }

    void betraegePruefen(const Befund &b, qsizetype zeile)
    {
        const auto &betrag = b.befzuschuss;
        const auto leer = std::count_if(betrag.begin(), betrag.end(),
                                        [](const QString &t) { return t.isEmpty(); });
        if (leer == 4) {
            ohneBetraege_.append(zeile);
            return;
        }
        bool wieGemeint = true;
        for (int s = 0; s < 4; ++s) {
            const QString &text = betrag[static_cast<std::size_t>(s)];
            if (text.isEmpty()) {
                wieGemeint = false;
                melde(zeile, ersterBetrag + s, Art::Fehler,
                      QStringLiteral("Betrag fehlt, die anderen Beträge des Befunds sind "
                                     "eingetragen; Kalvomat rechnet hier mit 0. Den Betrag "
                                     "eintragen."));
            } else if (const auto befund = zahlBefund(text, false)) {
                melde(zeile, ersterBetrag + s, befund->first, befund->second);
                wieGemeint = wieGemeint && befund->first == Art::Hinweis;
            }
        }
        if (wieGemeint)
            stufenPruefen(betrag, zeile);
    }

    // Every level is its share of the hardship amount H, rounded to the cent; one cent off is
    // allowed for tables that scale from a rounded value.
    void stufenPruefen(const std::array<QString, 4> &betrag, qsizetype zeile)
    {
        std::array<double, 4> wert;
        std::transform(betrag.begin(), betrag.end(), wert.begin(),
                       [](const QString &t) { return zahlwert(t); });
        if (std::any_of(wert.begin(), wert.end(),
                        [](double w) { return std::fabs(w) >= groessterPruefbetrag; }))
            return;
        const long long haerte = std::llround(wert[3] * 100.0);
        for (std::size_t s = 0; s < 3; ++s) {
            const long long erwartet =
                std::llround(static_cast<double>(haerte * anteil[s]) / 100.0);
            const long long ist = std::llround(wert[s] * 100.0);
            if (ist - erwartet > 1 || erwartet - ist > 1) {
                melde(zeile, ersterBetrag + static_cast<int>(s), Art::Hinweis,
                      QStringLiteral("%1 passt nicht zu %2 % des Härtefall-Betrags %3 "
                                     "(erwartet %4); Kalvomat rechnet mit %1. Den Betrag mit der "
                                     "amtlichen Tabelle vergleichen.")
                          .arg(betrag[s])
                          .arg(anteil[s])
                          .arg(betrag[3], centText(erwartet)));
            }
        }
    }

    static void zaehle(Liste &liste, const Leistungseintrag &e, qsizetype zeile, int groesse)
    {
        const QString nr = e.nr.trimmed();
        if (nr.isEmpty())
            return;
        (e.vorzeichen == -1 ? liste.abzuege : liste.nummern).insert(nr);
        if (liste.zeileDesUeberlaufs == 0 && liste.anzahl() > groesse)
            liste.zeileDesUeberlaufs = zeile;
    }

    void listenPruefen(const Liste &liste, int feld, const QString &name, int groesse)
    {
        if (liste.zeileDesUeberlaufs == 0)
            return;
        melde(liste.zeileDesUeberlaufs, feld, Art::Hinweis,
              QStringLiteral("Mit diesem Befund hat der Katalog mehr als %1 verschiedene "
                             "%2-Nummern (insgesamt %3, je Vorzeichen gezählt); die sortierte "
                             "Gesamtliste hält %1, ein großer Plan verliert dort Leistungen.")
                  .arg(groesse)
                  .arg(name)
                  .arg(liste.anzahl()));
    }

    const Textinhalt &datei_;
    const Katalog &k_;
    QList<Pruefmeldung> m_;
    QList<qsizetype> ohneBetraege_;
    Liste bema_;
    Liste bel_;
};

} // namespace

QList<Pruefmeldung> katalogPruefen(const Textinhalt &datei, const Katalog &katalog)
{
    return Pruefer(datei, katalog).ergebnis();
}

QString alsZeile(const Pruefmeldung &meldung)
{
    // One allocation for the whole line: the check of a damaged file makes many of them.
    QString zeile;
    zeile.reserve(meldung.text.size() + 64);
    const auto zahl = [&zeile](long long n) {
        char ziffern[24];
        const char *ende = std::to_chars(ziffern, ziffern + sizeof ziffern, n).ptr;
        zeile.append(QLatin1String(ziffern, ende - ziffern));
    };
    if (meldung.zeile > 0) {
        zeile.append(QLatin1String("Zeile "));
        zahl(meldung.zeile);
    } else {
        zeile.append(QLatin1String("Datei"));
    }
    if (meldung.feld >= 1 && meldung.feld <= 20) {
        zeile.append(QLatin1String(", Feld "));
        zahl(meldung.feld);
        zeile.append(QLatin1String(" (")).append(feldName(meldung.feld)).append(u')');
    }
    zeile.append(meldung.art == Art::Fehler ? QLatin1String(": Fehler: ")
                                            : QLatin1String(": Hinweis: "));
    // The file's control characters (C0, DEL and C1: Unicode's Cc) stand in the text only.
    const qsizetype anfang = zeile.size();
    zeile.append(meldung.text);
    const auto steuerzeichen = [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
    };
    if (std::any_of(meldung.text.cbegin(), meldung.text.cend(), steuerzeichen))
        std::replace_if(zeile.begin() + anfang, zeile.end(), steuerzeichen, QChar(u'?'));
    return zeile;
}

QString zusammenfassung(const QList<Pruefmeldung> &meldungen)
{
    const auto fehler = std::count_if(meldungen.begin(), meldungen.end(),
                                      [](const Pruefmeldung &m) { return m.art == Art::Fehler; });
    const auto hinweise = meldungen.size() - fehler;
    return QStringLiteral("%1 Fehler, %2 %3")
        .arg(fehler)
        .arg(hinweise)
        .arg(hinweise == 1 ? QStringLiteral("Hinweis") : QStringLiteral("Hinweise"));
}

QStringList fehlerZeilen(const QList<Pruefmeldung> &meldungen, int hoechstens)
{
    QStringList zeilen;
    qsizetype weitere = 0;
    for (const Pruefmeldung &m : meldungen) {
        if (m.art != Art::Fehler)
            continue;
        if (zeilen.size() < hoechstens)
            zeilen.append(alsZeile(m));
        else
            ++weitere;
    }
    if (weitere > 0) {
        zeilen.append(QStringLiteral("… und %1 weitere %2")
                          .arg(weitere)
                          .arg(weitere == 1 ? QStringLiteral("Zeile") : QStringLiteral("Zeilen")));
    }
    return zeilen;
}
