#include "app/vorschlag_aufruf.h"

#include "plattform/textdatei.h"
#include "zahnschema/vorschlag_ausgabe.h"
#include "zahnschema/zahnschema_text.h"

#include <QFile>
#include <QTextStream>

namespace {

constexpr int vorschlag = 0;
constexpr int fehlerImSchema = 1;
constexpr int nichtLesbar = 2;
// A chart is a few hundred bytes; more than this is no chart.
constexpr qint64 hoechstens = 1 << 20;

// The bytes of the file, or the German reason why there are none.
std::optional<QByteArray> lesen(const QString &pfad, QTextStream &err)
{
    std::optional<QByteArray> bytes;
    if (pfad == u"-") {
        QFile ein;
        if (ein.open(stdin, QIODevice::ReadOnly))
            bytes = ein.read(hoechstens + 1);
    } else {
        bytes = dateiLesen(pfad, hoechstens);
    }
    const QString name = pfad == u"-" ? QStringLiteral("Standardeingabe") : pfad;
    if (bytes && bytes->size() > hoechstens)
        err << QStringLiteral("kalvomat: „%1“ ist zu groß für ein Zahnschema (mehr als 1 MiB).\n")
                   .arg(name);
    else if (bytes)
        return bytes;
    else if (pfad == u"-")
        err << QStringLiteral("kalvomat: Die Standardeingabe kann nicht gelesen werden.\n");
    else
        err << QStringLiteral("kalvomat: ") << lesefehler(pfad) << u'\n';
    return std::nullopt;
}

} // namespace

int vorschlagAusgeben(const QString &datei, bool json, QTextStream &aus, QTextStream &err)
{
    const auto bytes = lesen(datei, err);
    if (!bytes)
        return nichtLesbar;
    const GelesenesZahnschema gelesen = zahnschemaLesen(QString::fromUtf8(*bytes));
    if (!gelesen.fehler.isEmpty()) {
        for (const Lesefehler &f : gelesen.fehler)
            err << alsText(f) << '\n';
        err << QStringLiteral("kalvomat: %1 Fehler im Zahnschema, kein Vorschlag.\n")
                   .arg(gelesen.fehler.size());
        return fehlerImSchema;
    }
    const Vorschlag v = vorschlagen(gelesen.schema);
    aus << (json ? vorschlagAlsJson(v) : vorschlagAlsText(v));
    return vorschlag;
}
