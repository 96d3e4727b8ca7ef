#include "zahnschema/zahnschema_text.h"

#include <QHash>

namespace {

const QString ohneErsatzWort = QStringLiteral("ohne-ersatz");
const QString keinAnkerWort = QStringLiteral("kein-anker");

struct Wort
{
    int nr; // in the line, from 1
    QString text;
};

const QString &kuerzelListe()
{
    static const QString liste = [] {
        QStringList l;
        for (int i = 1; i < anzahlKuerzel; ++i)
            l << kuerzelText(static_cast<Kuerzel>(i));
        return l.join(QStringLiteral(", "));
    }();
    return liste;
}

// Reads the entries one by one and remembers where each tooth and jaw was named.
class Leser
{
public:
    GelesenesZahnschema ergebnis;

    void eintrag(const QList<Wort> &w, int zeile)
    {
        zeile_ = zeile;
        const QString erstes = w[0].text.toLower();
        if (erstes == u"ok" || erstes == u"uk")
            kiefer(w, erstes == u"ok" ? Kiefer::OK : Kiefer::UK);
        else
            zahn(w);
    }

private:
    int zeile_ = 0;
    QHash<int, int> zahnZeile_; // the line where a tooth was named, by its number
    std::array<int, 2> kieferZeile_ {};

    void fehler(const Wort &w, const QString &text)
    {
        ergebnis.fehler.append({zeile_, w.nr, w.text, text});
    }

    void kiefer(const QList<Wort> &w, Kiefer k)
    {
        int &schon = kieferZeile_[static_cast<std::size_t>(k)];
        const auto v = w.size() > 1 ? versorgungAusText(w[1].text) : std::nullopt;
        const QString erlaubt =
            QStringLiteral("bruecke, modellguss, kombination, deckprothese, interim");
        if (schon > 0)
            fehler(w[0],
                   QStringLiteral("die Versorgung des %1 steht schon in Zeile %2")
                       .arg(k == Kiefer::OK ? u"Oberkiefers" : u"Unterkiefers")
                       .arg(schon));
        else if (w.size() == 1)
            fehler(w[0],
                   QStringLiteral("nach %1 fehlt die Versorgung (%2)").arg(w[0].text, erlaubt));
        else if (!v)
            fehler(w[1], QStringLiteral("keine Versorgung; erlaubt: %1").arg(erlaubt));
        else if (w.size() > 2)
            fehler(w[2], QStringLiteral("nach der Versorgung steht noch ein Wort"));
        if (schon == 0)
            schon = zeile_;
        if (v)
            ergebnis.schema.setzeVersorgung(k, *v);
    }

    void zahn(const QList<Wort> &w)
    {
        const int fdi = w[0].text.size() == 2 ? w[0].text.toInt() : 0;
        if (!Zahnschema::istZahn(fdi)) {
            const bool ziffern = !w[0].text.isEmpty()
                && std::all_of(w[0].text.begin(), w[0].text.end(),
                               [](QChar c) { return c >= u'0' && c <= u'9'; });
            fehler(w[0],
                   ziffern ? QStringLiteral("keine Zahnnummer des bleibenden Gebisses (11–18, "
                                            "21–28, 31–38, 41–48)")
                           : QStringLiteral("weder eine Zahnnummer noch OK oder UK"));
            return;
        }
        int &schon = zahnZeile_[fdi];
        if (schon > 0) {
            fehler(w[0], QStringLiteral("Zahn %1 steht schon in Zeile %2").arg(fdi).arg(schon));
            return;
        }
        schon = zeile_;
        Zahnbefund b;
        std::optional<Kuerzel> kuerzel;
        const Wort *ohneErsatz = nullptr, *keinAnker = nullptr;
        for (qsizetype i = 1; i < w.size(); ++i) {
            const QString klein = w[i].text.toLower();
            const auto neu = kuerzelAusText(klein);
            const Wort **angabe = klein == ohneErsatzWort ? &ohneErsatz
                : klein == keinAnkerWort                  ? &keinAnker
                                                          : nullptr;
            if (neu && kuerzel)
                fehler(w[i],
                       QStringLiteral("Zahn %1 hat schon das Kürzel „%2“")
                           .arg(fdi)
                           .arg(kuerzelText(*kuerzel)));
            else if (neu)
                kuerzel = neu;
            else if (angabe && *angabe)
                fehler(w[i], QStringLiteral("die Angabe steht zweimal"));
            else if (angabe)
                *angabe = &w[i];
            else
                fehler(w[i],
                       QStringLiteral("weder ein Befundkürzel (%1) noch eine Angabe "
                                      "(ohne-ersatz, kein-anker)")
                           .arg(kuerzelListe()));
        }
        b.kuerzel = kuerzel.value_or(Kuerzel::ohne);
        if (w.size() == 1)
            fehler(w[0], QStringLiteral("nach der Zahnnummer fehlt das Kürzel"));
        if (ohneErsatz && !ohneErsatzPasst(fdi, b.kuerzel))
            fehler(*ohneErsatz,
                   QStringLiteral("passt nur zu einem fehlenden 7er (f, x, ix, bw, "
                                  "ew, abw, sew)"));
        if (keinAnker && !keinAnkerPasst(fdi, b.kuerzel))
            fehler(*keinAnker,
                   QStringLiteral("passt nur zu einem 8er, der Zahn oder Implantat ist"));
        b.ohneErsatz = ohneErsatz != nullptr;
        b.keinAnker = keinAnker != nullptr;
        ergebnis.schema.setzen(fdi, b);
    }
};

} // namespace

GelesenesZahnschema zahnschemaLesen(QStringView text)
{
    if (text.startsWith(u'\uFEFF'))
        text = text.mid(1);
    QString alles = text.toString();
    alles.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    Leser leser;
    const QStringList zeilen = alles.split(u'\n');
    for (qsizetype z = 0; z < zeilen.size(); ++z) {
        const QString &zeile = zeilen[z];
        QList<Wort> eintrag;
        QString wort;
        int nr = 0;
        const auto wortEnde = [&] {
            if (!wort.isEmpty())
                eintrag.append({++nr, wort});
            wort.clear();
        };
        const auto eintragEnde = [&] {
            wortEnde();
            if (!eintrag.isEmpty())
                leser.eintrag(eintrag, static_cast<int>(z + 1));
            eintrag.clear();
        };
        for (const QChar c : zeile) {
            if (c == u'#')
                break;
            if (c == u',' || c == u';')
                eintragEnde();
            else if (c.isSpace())
                wortEnde();
            else
                wort += c;
        }
        eintragEnde();
    }
    return leser.ergebnis;
}

QString alsText(const Lesefehler &f)
{
    return QStringLiteral("Zeile %1, Wort %2 („%3“): %4")
        .arg(f.zeile)
        .arg(f.wort)
        .arg(f.wortText, f.text);
}

QString zahnschemaText(const Zahnschema &schema)
{
    QString aus;
    for (const int fdi : Zahnschema::alleZaehne()) {
        const Zahnbefund b = schema.befund(fdi);
        QStringList w;
        if (b.kuerzel != Kuerzel::ohne)
            w << kuerzelText(b.kuerzel);
        if (b.ohneErsatz && ohneErsatzPasst(fdi, b.kuerzel))
            w << ohneErsatzWort;
        if (b.keinAnker && keinAnkerPasst(fdi, b.kuerzel))
            w << keinAnkerWort;
        if (!w.isEmpty())
            aus += QString::number(fdi) + u' ' + w.join(u' ') + u'\n';
    }
    for (const Kiefer k : {Kiefer::OK, Kiefer::UK})
        if (schema.versorgung(k) != Versorgung::keine)
            aus += kieferText(k) + u' ' + versorgungText(schema.versorgung(k)) + u'\n';
    return aus;
}
