#include "app/vorschlag_aufruf.h"

#include "plattform/textdatei.h"
#include "zahnschema/vorschlag_ausgabe.h"
#include "zahnschema/zahnschema_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

constexpr int vorschlag = 0;
constexpr int fehlerImSchema = 1;
constexpr int nichtLesbar = 2;
// A chart is a few hundred bytes; more than this is no chart.
constexpr qint64 hoechstens = 1 << 20;

const QString aufruf =
    QStringLiteral("Aufruf: kalvomat --vorschlag DATEI [--json]; mehr dazu: kalvomat --help");

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
    const QFileInfo info(pfad);
    const QString name = pfad == u"-" ? QStringLiteral("Standardeingabe") : pfad;
    if (bytes && bytes->size() > hoechstens)
        err << QStringLiteral("kalvomat: „%1“ ist zu groß für ein Zahnschema (mehr als 1 MiB).\n")
                   .arg(name);
    else if (bytes)
        return bytes;
    else if (pfad == u"-")
        err << QStringLiteral("kalvomat: Die Standardeingabe kann nicht gelesen werden.\n");
    else if (!info.exists())
        err << QStringLiteral("kalvomat: Die Datei „%1“ gibt es nicht (Ordner „%2“).\n")
                   .arg(pfad, QDir::toNativeSeparators(QDir::currentPath()));
    else if (info.isDir())
        err << QStringLiteral("kalvomat: „%1“ ist ein Ordner, keine Datei.\n").arg(pfad);
    else
        err << QStringLiteral("kalvomat: Die Datei „%1“ kann nicht gelesen werden (fehlt das "
                              "Leserecht?).\n")
                   .arg(pfad);
    return std::nullopt;
}

} // namespace

std::optional<int> vorschlagAufruf(int argc, char **argv)
{
    QStringList argumente;
    for (int i = 1; i < argc; ++i)
        argumente << QString::fromLocal8Bit(argv[i]);
    const QString option = QStringLiteral("--vorschlag");
    if (!std::any_of(argumente.begin(), argumente.end(),
                     [&](const QString &a) { return a == option || a.startsWith(option + u'='); }))
        return std::nullopt;

    QTextStream aus(stdout);
    QTextStream err(stderr);
    std::optional<QString> datei;
    bool json = false;
    std::optional<QString> fremd;
    for (qsizetype i = 0; i < argumente.size(); ++i) {
        const QString &a = argumente[i];
        // An option after --vorschlag is no file name; "./--datei" or "--vorschlag=--datei" is.
        const bool wert = i + 1 < argumente.size() && !argumente[i + 1].startsWith(u"--");
        if (a == u"--json" && !json)
            json = true;
        else if (a.startsWith(option + u'=') && !datei)
            datei = a.mid(option.size() + 1);
        else if (a == option && !datei && wert)
            datei = argumente[++i];
        else if (a != option || datei)
            fremd = a;
        if (fremd || (a == option && !datei))
            break;
    }
    if (fremd || !datei || datei->isEmpty()) {
        err << (fremd ? QStringLiteral("kalvomat: „%1“ passt nicht zu --vorschlag. ").arg(*fremd)
                      : QStringLiteral("kalvomat: --vorschlag braucht eine Datei (- liest die "
                                       "Standardeingabe). "))
            << aufruf << '\n';
        return nichtLesbar;
    }

    const auto bytes = lesen(*datei, err);
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
