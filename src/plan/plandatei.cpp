#include "plan/plandatei.h"

#include "katalog/katalog.h"
#include "zahnschema/zahnschema_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QRegularExpression>

#include <cassert>
#include <cmath>

namespace plandatei {

namespace {

const QString formatName = QStringLiteral("kalvomat-plan");
// Every whole number up to 2^53 is exact in a JSON number.
constexpr double groessteZahl = 9007199254740992.0;
// As much as a text box of the window holds.
constexpr qsizetype laengsterText = 32767;

QJsonValue betragAlsJson(Geld betrag)
{
    if (betrag == geld::ungueltig)
        return QJsonValue(QJsonValue::Null);
    // The catalogue and a plan file give amounts up to 2^53 only, exact in JSON.
    assert(std::abs(static_cast<double>(betrag)) <= groessteZahl);
    return QJsonValue(static_cast<qint64>(betrag));
}

bool ganzeZahl(const QJsonValue &v, double kleinste, double groesste, std::int64_t &zahl)
{
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (!(d >= kleinste && d <= groesste) || d != std::floor(d))
        return false;
    zahl = static_cast<std::int64_t>(d);
    return true;
}

bool text(const QJsonObject &o, const QString &name, QString &ziel)
{
    const QJsonValue v = o.value(name);
    if (!v.isString() || v.toString().size() > laengsterText)
        return false;
    // JSON may name half of a surrogate pair alone ("\\uDDDD"); it has no UTF-8 form, so the plan
    // would be saved as something else than it was read. It is read as the replacement character.
    ziel = v.toString();
    for (qsizetype i = 0; i < ziel.size(); ++i) {
        if (ziel[i].isHighSurrogate() && i + 1 < ziel.size() && ziel[i + 1].isLowSurrogate())
            ++i;
        else if (ziel[i].isSurrogate())
            ziel[i] = QChar::ReplacementCharacter;
    }
    return true;
}

QString zeileLesen(const QJsonValue &wert, int nr, Planzeile &z)
{
    const QString zeile = QStringLiteral("Zeile %1: ").arg(nr);
    if (!wert.isObject())
        return zeile + QStringLiteral("Der Eintrag ist keine Planzeile.");
    const QJsonObject o = wert.toObject();
    for (const auto &[name, ziel] : {std::pair {QStringLiteral("region"), &z.region},
                                     std::pair {QStringLiteral("befundnummer"), &z.befnr},
                                     std::pair {QStringLiteral("befundtext"), &z.beftext}})
        if (!text(o, name, *ziel))
            return zeile
                + QStringLiteral("„%1“ fehlt oder ist kein Text bis %2 Zeichen.")
                      .arg(name)
                      .arg(laengsterText);
    const QJsonArray betraege = o.value(QStringLiteral("betraege")).toArray();
    if (betraege.size() != PlanState::stufen)
        return zeile + QStringLiteral("„betraege“ braucht vier Beträge.");
    for (int b = 0; b < PlanState::stufen; ++b) {
        if (betraege.at(b).isNull())
            z.einfach[b] = geld::ungueltig;
        else if (!ganzeZahl(betraege.at(b), -groessteZahl, groessteZahl, z.einfach[b]))
            return zeile + QStringLiteral("„betraege“ enthält etwas anderes als ganze Zahlen.");
    }
    if (!ganzeZahl(o.value(QStringLiteral("anzahl")), 0, groessteZahl, z.anzahl))
        return zeile + QStringLiteral("„anzahl“ ist keine ganze Zahl ab 0.");
    // A row without a finding counts nothing, whatever its region.
    if (!z.hatBefund())
        z.anzahl = 0;
    return QString();
}

Gelesen fehler(const QString &grund)
{
    return Gelesen {std::nullopt, grund};
}

QString betraegeText(const std::array<Geld, PlanState::stufen> &betrag)
{
    QStringList t;
    for (Geld g : betrag)
        t << geld::text(g, geld::anzeigeLocale());
    return t.join(QStringLiteral(" | "));
}

} // namespace

QByteArray alsJson(const PlanState &plan)
{
    // All 20 rows, empty ones too; a reader takes a shorter list as ending in empty rows. A row
    // without a finding keeps the count 0, whatever its region counts.
    QJsonArray zeilen;
    for (const Planzeile &z : plan.zeile) {
        QJsonArray betraege;
        for (Geld g : z.einfach)
            betraege.append(betragAlsJson(g));
        zeilen.append(QJsonObject {
            {QStringLiteral("region"), z.region},
            {QStringLiteral("befundnummer"), z.befnr},
            {QStringLiteral("befundtext"), z.beftext},
            {QStringLiteral("betraege"), betraege},
            {QStringLiteral("anzahl"), static_cast<qint64>(z.hatBefund() ? z.anzahl : 0)}});
    }
    const QJsonObject wurzel {{QStringLiteral("format"), formatName},
                              {QStringLiteral("version"), formatVersion},
                              {QStringLiteral("patient"), plan.patient},
                              {QStringLiteral("bonusstufe"), plan.aktbonus},
                              {QStringLiteral("zeilen"), zeilen},
                              {QStringLiteral("zahnschema"), zahnschemaText(plan.zahnschema)}};
    // Qt's JSON reader drops a byte order mark at the start of a text it keeps as UTF-8, so a text
    // that begins with U+FEFF (pasted from a file, invisible) would be read back without it. Such
    // a text is written with that character escaped. A quote followed by the mark starts a text,
    // or ends an escaped quote within one, where the escape is as right.
    QByteArray json = QJsonDocument(wurzel).toJson(QJsonDocument::Indented);
    return json.replace("\"\xEF\xBB\xBF", "\"\\ufeff");
}

Gelesen lesen(const QByteArray &bytes)
{
    if (bytes.size() > hoechsteGroesse)
        return fehler(
            QStringLiteral("Die Datei ist größer als 1 MB und damit keine Kalvomat-Plandatei."));
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF"))
        json.remove(0, 3);
    if (json.trimmed().isEmpty())
        return fehler(QStringLiteral("Die Datei ist leer."));
    const QString keinPlan = QStringLiteral("Die Datei ist keine Kalvomat-Plandatei.");
    QJsonParseError fehlerStelle;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &fehlerStelle);
    // A file that names the format is a plan that was damaged (cut short, its text changed);
    // anything else (a picture, a letter, another program's data) is simply no plan.
    if (fehlerStelle.error != QJsonParseError::NoError)
        return fehler(json.contains("\"" + formatName.toUtf8() + '"')
                          ? QStringLiteral("Die Plandatei ist beschädigt: ab Byte %1 ist sie "
                                           "unvollständig oder verändert.")
                                .arg(fehlerStelle.offset)
                          : keinPlan);
    const QJsonObject o = doc.object();
    if (!doc.isObject() || o.value(QStringLiteral("format")).toString() != formatName)
        return fehler(keinPlan);

    std::int64_t version = 0;
    if (!ganzeZahl(o.value(QStringLiteral("version")), 1, groessteZahl, version))
        return fehler(QStringLiteral("Die Plandatei nennt keine gültige Formatversion."));
    if (version > formatVersion)
        return fehler(QStringLiteral("Die Plandatei hat die Formatversion %1; dieses Kalvomat "
                                     "liest Version %2. Öffnen Sie sie mit einer neueren "
                                     "Version des Programms.")
                          .arg(version)
                          .arg(formatVersion));

    PlanState plan;
    if (!text(o, QStringLiteral("patient"), plan.patient))
        return fehler(QStringLiteral("Der Patientenname fehlt oder ist kein Text bis %1 Zeichen.")
                          .arg(laengsterText));
    std::int64_t stufe = 0;
    if (!ganzeZahl(o.value(QStringLiteral("bonusstufe")), 0, PlanState::stufen - 1, stufe))
        return fehler(QStringLiteral("Die Bonusstufe ist nicht 0, 1, 2 oder 3."));
    plan.aktbonus = static_cast<int>(stufe);

    const QJsonValue zeilen = o.value(QStringLiteral("zeilen"));
    if (!zeilen.isArray())
        return fehler(QStringLiteral("Die Planzeilen fehlen."));
    const QJsonArray liste = zeilen.toArray();
    if (liste.size() > PlanState::zeilen)
        return fehler(QStringLiteral("Die Plandatei hat %1 Zeilen; ein Plan hat höchstens %2.")
                          .arg(liste.size())
                          .arg(PlanState::zeilen));
    for (int row = 0; row < liste.size(); ++row) {
        const QString grund = zeileLesen(liste.at(row), row + 1, plan.zeile[row]);
        if (!grund.isEmpty())
            return fehler(grund);
    }
    // Version 1 kept no chart; a file of version 2 without one has an empty chart.
    if (version >= 2 && o.contains(QStringLiteral("zahnschema"))) {
        QString schema;
        if (!text(o, QStringLiteral("zahnschema"), schema))
            return fehler(
                QStringLiteral("Das Zahnschema ist kein Text bis %1 Zeichen.").arg(laengsterText));
        const GelesenesZahnschema gelesen = zahnschemaLesen(schema);
        if (!gelesen.fehler.isEmpty())
            return fehler(QStringLiteral("Das Zahnschema ist fehlerhaft: ")
                          + alsText(gelesen.fehler.first()));
        plan.zahnschema = gelesen.schema;
    }
    return Gelesen {plan, QString()};
}

int befundSuchen(const Katalog &katalog, const QString &befnr, const QString &beftext)
{
    for (int i = 1; i <= katalog.anzahlBefunde(); ++i) {
        const Befund &b = katalog.befund(i);
        if (b.befnr == befnr && b.beftext == beftext && !katalog.istUeberschrift(i))
            return i;
    }
    return 0;
}

QStringList abweichungen(const PlanState &gespeichert, const PlanState &heute)
{
    QStringList zeilen;
    for (int row = 0; row < PlanState::zeilen; ++row) {
        const Planzeile &z = gespeichert.zeile[row];
        const Planzeile &jetzt = heute.zeile[row];
        if (!z.hatBefund())
            continue;
        const QString befund = QStringLiteral("Zeile %1: Befund %2 „%3“")
                                   .arg(row + 1)
                                   .arg(z.befnr.trimmed(), z.beftext);
        if (!jetzt.hatBefund())
            zeilen << befund
                    + QStringLiteral(" ist im Katalog nicht enthalten; die Zeile bleibt "
                                     "ohne Befund.");
        else if (jetzt.einfach != z.einfach)
            zeilen << befund
                    + QStringLiteral(" hat im Katalog andere Beträge: gespeichert %1, jetzt %2.")
                          .arg(betraegeText(z.einfach), betraegeText(jetzt.einfach));
        else if (jetzt.anzahl != z.anzahl)
            zeilen << befund
                    + QStringLiteral(" zählt mit den Grenzen des Katalogs jetzt %1 statt %2.")
                          .arg(jetzt.anzahl)
                          .arg(z.anzahl);
    }
    return zeilen;
}

QString dateiname(const QString &patient, QDate datum, const QString &art, QStringView dateiendung)
{
    // Letters (umlauts too), digits, '-' and '.' stay; every other run becomes one '_'.
    static const QRegularExpression anderes(QStringLiteral("[^\\w.-]+|_+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    const auto sicher = [](QString name) {
        name.replace(anderes, QStringLiteral("_"));
        while (name.startsWith(u'_') || name.startsWith(u'.'))
            name.remove(0, 1);
        while (name.endsWith(u'_') || name.endsWith(u'.'))
            name.chop(1);
        return name;
    };
    QString name = sicher(patient.left(80));
    if (name.isEmpty())
        name = QStringLiteral("Plan");
    name += u'_' + datum.toString(Qt::ISODate);
    if (!art.isEmpty())
        name += u'_' + sicher(art);
    return name + u'.' + dateiendung.toString();
}

} // namespace plandatei
