#include "plan/vorschlag_uebernahme.h"

namespace {

QString zaehneText(const QList<int> &zaehne)
{
    QStringList t;
    for (int z : zaehne)
        t << QString::number(z);
    return t.join(u' ');
}

} // namespace

QString vorschlagsRegion(const VorgeschlagenerBefund &befund)
{
    return befund.jeKiefer ? kieferText(befund.kiefer) : zaehneText(befund.zaehne);
}

QString vorschlagsZaehne(const VorgeschlagenerBefund &befund)
{
    if (!befund.jeKiefer)
        return zaehneText(befund.zaehne);
    const QString kiefer = kieferText(befund.kiefer);
    return befund.zaehne.isEmpty()
        ? kiefer
        : QStringLiteral("%1 (%2)").arg(kiefer, zaehneText(befund.zaehne));
}

int befundNachNummer(const Katalog &katalog, const QString &nr)
{
    const QString gesucht = nr.trimmed();
    for (int i = 1; i <= katalog.anzahlBefunde(); ++i)
        if (!katalog.istUeberschrift(i) && katalog.befund(i).befnr.trimmed() == gesucht)
            return i;
    return 0;
}

QString uebernahmeMeldung(const Uebernahmebericht &bericht)
{
    const auto zeilen = [](int n) {
        return n == 0 ? QStringLiteral("keine Zeile")
            : n == 1  ? QStringLiteral("1 Zeile")
                      : QStringLiteral("%1 Zeilen").arg(n);
    };
    if (bericht.fehlendeZeilen > 0)
        return QStringLiteral("Im Plan %1 %2 frei, der Vorschlag braucht %3: es %4 %5. Der Plan "
                              "bleibt unverändert.\n\nLeeren Sie Zeilen (Befund und Region) und "
                              "übernehmen Sie den Vorschlag noch einmal.")
            .arg(bericht.freieZeilen > 1 ? QStringLiteral("sind") : QStringLiteral("ist"),
                 zeilen(bericht.freieZeilen), zeilen(bericht.befunde),
                 bericht.fehlendeZeilen > 1 ? QStringLiteral("fehlen") : QStringLiteral("fehlt"),
                 zeilen(bericht.fehlendeZeilen));
    QStringList teile;
    if (!bericht.andereAnzahl.isEmpty())
        teile << QStringLiteral("Die Anzahl im Plan weicht vom Vorschlag ab (die Zeile ist "
                                "trotzdem gefüllt; bitte prüfen):\n")
                + bericht.andereAnzahl.join(u'\n');
    if (!bericht.nichtImKatalog.isEmpty())
        teile << QStringLiteral("Im Befundkatalog fehlen diese vorgeschlagenen Befunde; sie "
                                "wurden nicht übernommen:\n")
                + bericht.nichtImKatalog.join(u'\n');
    return teile.join(QStringLiteral("\n\n"));
}
