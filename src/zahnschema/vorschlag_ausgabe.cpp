#include "zahnschema/vorschlag_ausgabe.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString region(const VorgeschlagenerBefund &b)
{
    if (b.jeKiefer)
        return kieferText(b.kiefer);
    QStringList t;
    for (const int z : b.zaehne)
        t << QString::number(z);
    return t.join(u' ');
}

// A JSON string as Qt writes it: quotes, backslashes and control characters escaped.
QString jsonText(const QString &s)
{
    const QByteArray feld = QJsonDocument(QJsonArray {s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(feld.sliced(1, feld.size() - 2));
}

} // namespace

QString vorschlagAlsText(const Vorschlag &v)
{
    QString aus;
    for (const VorgeschlagenerBefund &b : v.befunde)
        aus += QStringLiteral("%1 ×%2 %3: %4").arg(b.nr).arg(b.anzahl).arg(region(b), b.grund)
            + (b.pruefen.isEmpty() ? QString() : QStringLiteral(" – prüfen: ") + b.pruefen) + u'\n';
    if (v.befunde.isEmpty())
        aus += QStringLiteral("Kein Befund vorgeschlagen.\n");
    for (const QString &h : v.hinweise)
        aus += QStringLiteral("Hinweis: ") + h + u'\n';
    return aus;
}

// The keys in the order of the documented example, which a map-based writer would not keep.
QString vorschlagAlsJson(const Vorschlag &v)
{
    QStringList befunde, hinweise;
    for (const VorgeschlagenerBefund &b : v.befunde) {
        QStringList zaehne;
        for (const int z : b.zaehne)
            zaehne << QString::number(z);
        befunde << QStringLiteral("{\"nr\":%1,\"anzahl\":%2,\"zaehne\":[%3],\"grund\":%4,"
                                  "\"pruefen\":%5}")
                       .arg(jsonText(b.nr))
                       .arg(b.anzahl)
                       .arg(zaehne.join(u','), jsonText(b.grund), jsonText(b.pruefen));
    }
    for (const QString &h : v.hinweise)
        hinweise << jsonText(h);
    return QStringLiteral("{\"befunde\":[%1],\"hinweise\":[%2]}\n")
        .arg(befunde.join(u','), hinweise.join(u','));
}
