// Findings of single teeth: crowns (class 1) and implant crowns to renew (7.1, 7.2).

#include "zahnschema/regeln.h"

QString klasse1(Kuerzel k)
{
    switch (k) {
    case Kuerzel::ww:
    case Kuerzel::kw:
    case Kuerzel::tw:
    case Kuerzel::ur:
        return QStringLiteral("1.1");
    case Kuerzel::pw:
    case Kuerzel::pkw:
        return QStringLiteral("1.2");
    default:
        return {};
    }
}

void einzelzahnBefunde(const Kieferlage &l, Kiefervorschlag &v)
{
    QList<int> krone, teilkrone, teilkroneW, verblendet, implantatVerblendet, einzel, weitere;
    QStringList kroneText, teilkroneText;
    for (const int z : sortiert(l.bogen)) {
        const Kuerzel k = l.kuerzel(z);
        const QString nr = v.ohneKlasse1.contains(z) ? QString() : klasse1(k);
        const QString text = QStringLiteral("%1 %2").arg(QString::number(z), kuerzelText(k));
        if (nr == u"1.1") {
            krone << z;
            kroneText << text;
            if (imVerblendbereich(z))
                verblendet << z;
        } else if (nr == u"1.2") {
            teilkrone << z;
            teilkroneText << text;
            if (k == Kuerzel::pkw)
                teilkroneW << z;
        }
        if (k != Kuerzel::skw)
            continue;
        // An implant crown in a gap of one tooth between natural teeth.
        const qsizetype i = l.bogen.indexOf(z);
        const bool zwischen =
            l.natuerlich(l.bogen.value(i - 1)) && l.natuerlich(l.bogen.value(i + 1));
        (zwischen ? einzel : weitere) << z;
        if (zwischen && imVerblendbereich(z))
            implantatVerblendet << z;
    }
    v.kronen += krone + teilkrone;
    if (!krone.isEmpty())
        v.befund(QStringLiteral("1.1"), krone,
                 QStringLiteral("erhaltungswürdiger Zahn mit weitgehender Zerstörung der "
                                "klinischen Krone oder unzureichender Retention: ")
                     + kroneText.join(QStringLiteral(", ")));
    if (!teilkrone.isEmpty())
        v.befund(QStringLiteral("1.2"), teilkrone,
                 QStringLiteral("erhaltungswürdiger Zahn mit großen Substanzdefekten, Teilkrone: ")
                     + teilkroneText.join(QStringLiteral(", ")),
                 teilkroneW.isEmpty() ? QString()
                                      : QStringLiteral("die erneuerungsbedürftige Teilkrone (pkw) "
                                                       "an %1 wie pw gewertet")
                                            .arg(liste(teilkroneW)));
    if (!verblendet.isEmpty() || !implantatVerblendet.isEmpty()) {
        QStringList teile;
        if (!verblendet.isEmpty())
            teile << QStringLiteral("zu 1.1 an %1").arg(liste(verblendet));
        if (!implantatVerblendet.isEmpty())
            teile
                << QStringLiteral("zur Implantatkrone (7.1) an %1").arg(liste(implantatVerblendet));
        v.befund(
            QStringLiteral("1.3"), verblendet + implantatVerblendet,
            QStringLiteral("Verblendung im Verblendbereich (%1) ").arg(verblendbereich(l.kiefer))
                + teile.join(QStringLiteral(", ")),
            implantatVerblendet.isEmpty()
                ? QString()
                : QStringLiteral("1.3 zur Implantatkrone stützt sich auf einen "
                                 "Abrechnungskommentar"));
    }
    if (!einzel.isEmpty())
        v.befund(QStringLiteral("7.1"), einzel,
                 QStringLiteral("erneuerungsbedürftige Suprakonstruktion in einer Einzelzahnlücke "
                                "zwischen natürlichen Zähnen: %1")
                     .arg(liste(einzel)));
    if (!weitere.isEmpty())
        v.befund(QStringLiteral("7.2"), weitere,
                 QStringLiteral("erneuerungsbedürftige Suprakonstruktion, die über 7.1 "
                                "hinausgeht: %1")
                     .arg(liste(weitere)),
                 weitere.size() > 4 ? QStringLiteral("höchstens viermal je Kiefer: 4 von %1 "
                                                     "angesetzt")
                                          .arg(weitere.size())
                                    : QString(),
                 static_cast<int>(std::min<qsizetype>(weitere.size(), 4)));
}
