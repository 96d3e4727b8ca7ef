// The GUI-free core on plain data: the number rule, the lines of a practice's file, the
// catalogue, region counting, money and the sums of a plan. Every case is a row of the tables
// in tabellen/ (the first field names its kind); each catalogue in katalog/ is read and
// compared as a whole with its ".erwartet" file.

#include "../faelle.h"
#include "druck/aufzeichnung.h"
#include "druck/drucklauf.h"
#include "katalog/katalog.h"
#include "katalog/textzeilen.h"
#include "katalog/zahlwert.h"
#include "plan/berechnung.h"
#include "plan/region.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>

#include <clocale>
#include <cmath>

namespace {
QString feld(QString s)
{
    return u'[' + s.replace(u'\t', "\\t").replace(u'\r', "\\r").replace(u'\n', "\\n") + u']';
}

// Everything the window and the print run ask of a catalogue, finding by finding; service
// entries by their index, also those that do not count as present.
QString abbild(const Katalog &k)
{
    QString aus = QStringLiteral("Befunde: %1\n").arg(k.anzahlBefunde());
    for (const QString &g : k.gruppen())
        aus += "Gruppe " + feld(g) + u'\n';
    for (const QString &i : k.ignoriert())
        aus += "ignoriert: " + i + u'\n';
    for (int i = 0; i < k.liste().size(); ++i) {
        const QString &t = k.liste()[i];
        const Befund &b = k.befund(i);
        aus +=
            QStringLiteral("%1 %2 Zeiger %3 %4%5\n  ")
                .arg(QString::number(i), feld(t), QString::number(k.bemazeiger(t)),
                     QString::number(k.belzeiger(t)), k.istUeberschrift(i) ? " Überschrift" : "");
        for (const QString &f :
             {b.befnr, b.beftext, b.befinfo1, b.befinfo2, b.befzuschuss[0], b.befzuschuss[1],
              b.befzuschuss[2], b.befzuschuss[3], b.befgrenze[0], b.befgrenze[1], b.befgrenze[2],
              b.befgrenze[3], b.befnichtz, b.befnichtk, b.weitere[0], b.weitere[1]})
            aus += feld(f);
        for (int e = 0; e <= Katalog::hoechsterEintrag; ++e)
            for (const auto &[art, l] :
                 {std::pair {"BEMA", k.bema(i, e)}, std::pair {"BEL", k.bel(i, e)}})
                if (!(l.vorzeichen + l.nr + l.text).isEmpty())
                    aus += QStringLiteral("\n  %1 %2 ").arg(art).arg(e) + feld(l.vorzeichen)
                        + feld(l.nr) + feld(l.text);
        aus += QStringLiteral("\n  vorhanden: BEMA %1, BEL %2\n")
                   .arg(k.bemaEintraege(i).size())
                   .arg(k.belEintraege(i).size());
    }
    const bool leer = k.befund(-1).beftext.isEmpty() && k.befund(71).befnr.isEmpty()
        && k.bema(1, 101).nr.isEmpty() && k.bel(1, -1).nr.isEmpty() && k.bema(71, 0).nr.isEmpty()
        && k.belEintraege(71).isEmpty();
    return aus
        + QStringLiteral("leerer Text Zeiger %1, außerhalb leer: %2\n")
              .arg(k.bemazeiger({}))
              .arg(leer ? "ja" : "nein");
}

// "0: 617800 741400 803100 1235600 x3; 19: ..." gives rows with four single amounts and a count.
PlanState planAus(const QString &zeilen)
{
    PlanState plan;
    for (const QString &z : zeilen.split(u';')) {
        const QStringList f = z.simplified().remove(u':').remove(u'x').split(u' ');
        for (int s = 0; s < 5; ++s)
            plan.planwert[f[0].toInt()][s < 4 ? s : PlanState::spalteAnzahl] =
                f[s + 1].toLongLong();
    }
    berechne_allerg(plan);
    return plan;
}
} // namespace

class TstKern : public QObject
{
    Q_OBJECT

private slots:
    void fall_data();
    void fall();
};

void TstKern::fall_data()
{
    QTest::addColumn<QStringList>("f");
    const QDir ordner(QStringLiteral(KALVOMAT_TESTS "/kern/tabellen"));
    for (const QString &datei : ordner.entryList({"*.txt"})) {
        const QStringList zeilen = dateiText(ordner.filePath(datei)).split(u'\n');
        for (qsizetype n = 0; n < zeilen.size(); ++n) {
            QStringList felder = zeilen[n].split(QStringLiteral(" | "));
            for (QString &f : felder)
                f = entschluesseln(f);
            if (!zeilen[n].isEmpty() && !zeilen[n].startsWith(u'#'))
                QTest::addRow("%s:%d %s", qPrintable(datei), int(n + 1),
                              qPrintable(felder.value(1)))
                    << felder;
        }
    }
    for (const QString &datei : QDir(ordner.filePath("../katalog")).entryList({"*.bef", "*.roh"}))
        QTest::addRow("katalog/%s", qPrintable(datei))
            << QStringList {"katalog", ordner.filePath("../katalog/" + datei)};
}

void TstKern::fall()
{
    QFETCH(QStringList, f);
    const QString art = f[0];
    const qint64 a = f.value(2).toLongLong(), b = f.value(3).toLongLong();
    if (art == u"zahlwert") { // a German C locale (as in a window program) must not matter
        const double soll =
            f[3].endsWith(u"inf") ? (f[3][0] == u'-' ? -INFINITY : INFINITY) : f[3].toDouble();
        QCOMPARE(zahlwert(f[2]), soll);
        QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
        const double deutsch = zahlwert(f[2]);
        std::setlocale(LC_ALL, "C");
        QCOMPARE(deutsch, soll);
    } else if (art == u"zeilen") {
        QCOMPARE(textzeilen(f[2].toLatin1()), f[3] == u"-" ? QStringList() : f.mid(3));
        // Without Qt's codec the own table gives the same text.
        QCOMPARE(windows1252OhneCodec(f[2].toLatin1()),
                 QStringDecoder("windows-1252").decode(f[2].toLatin1()));
    } else if (art == u"lesart") {
        const Textinhalt t = textinhalt(f[2].toLatin1());
        const char *const saetze[] = {"windows1252", "utf8", "utf8MitKennung", "utf16"};
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(QLatin1String(saetze[static_cast<int>(t.zeichensatz)]),
                          t.nurLf ? QLatin1String("lf") : QLatin1String("cr"))
                     .arg(t.kaputteUtf8Zeile),
                 f[3]);
        QCOMPARE(t.zeilen, f[4] == u"-" ? QStringList() : f.mid(4));
    } else if (art == u"kopie") {
        QFile datei(QStringLiteral(KALVOMAT_BEISPIEL "/bef.txt"));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QByteArray original = datei.readAll();
        QString text = QStringDecoder("windows-1252").decode(original);
        if (f[2].contains(u"lf"))
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QByteArray kopie = f[2].contains(u"lf") && text.contains(u'\r') ? QByteArray()
            : f[2].contains(u"utf8") || f[2].contains(u"bom")
            ? text.toUtf8()
            : QStringEncoder("windows-1252").encode(text);
        if (f[2].contains(u"bom"))
            kopie.prepend("\xEF\xBB\xBF");
        const Katalog k = katalogAusZeilen(textzeilen(original));
        QVERIFY(k.anzahlBefunde() > 40 && kopie.size() > original.size() * 9 / 10);
        QCOMPARE(abbild(katalogAusZeilen(textzeilen(kopie))), abbild(k));
    } else if (art == u"region") {
        const QStringList g = f[3].split(u' ');
        const RegionErgebnis e = regionAuswerten(
            f[2], {g[0].toLongLong(), g[1].toLongLong(), g[2].toLongLong(), g[3].toLongLong()});
        QCOMPARE(e.text + u'|' + QString::number(e.anzahl), f[4] + u'|' + f[5]);
    } else if (art == u"ausKatalog" || art == u"grenze") {
        QCOMPARE(art == u"grenze" ? geld::grenzeAusKatalog(f[2]) : geld::ausKatalog(f[2]), b);
    } else if (art == u"anzeige") { // also where the system has no locale (C, POSIX): German
        QCOMPARE(geld::text(b, geld::anzeigeLocale()), f[4]);
    } else if (art == u"feld") { // how a count and an amount stand in a report line
        QCOMPARE(f[2] == u"zahl" ? zahlFeld(b) : betragFeld(b, QLocale(QLocale::German)), f[4]);
    } else if (art == u"text") {
        QCOMPARE(geld::text(b, QLocale(f[2])), f[4]);
    } else if (art == u"+" || art == u"-" || art == u"*") {
        QCOMPARE(art == u"+"       ? geld::plus(a, b)
                     : art == u"-" ? geld::minus(a, b)
                                   : geld::mal(a, b),
                 f[4].toLongLong());
    } else if (art == u"plan") { // rows | totals of the four levels | own shares
        const PlanState plan = planAus(f[2]);
        QString ist =
            QString::number(eigenanteil(plan, -1)) + u' ' + QString::number(eigenanteil(plan, 4));
        for (int s = 0; s < 8; ++s)
            ist += u' ' + QString::number(s < 4 ? plan.festsumme[s] : eigenanteil(plan, s - 4));
        QCOMPARE(ist,
                 QStringList({QString::number(geld::ungueltig), QString::number(geld::ungueltig),
                              f[3], f[4]})
                     .join(u' '));
    } else if (art == u"flaeche") { // what | texts, "x=twips", "/" ends a line, "#" a page | pages
        Aufzeichnung a;
        for (const QString &t : f[2].split(u' '))
            t == u"/"                 ? a.zeileEnde()
                : t == u"#"           ? a.neueSeite()
                : t.startsWith(u"x=") ? a.setX(t.mid(2).toDouble())
                                      : a.drucke(QString(t).replace(u'~', u' '));
        QString ist = QString::number(a.y());
        for (int s = 1; s <= a.seiten(); ++s)
            ist +=
                QStringLiteral(" # %1: ").arg(a.zeilenAnzahl(s)) + a.seitenBild(s, 100).join(u'/');
        QCOMPARE(ist, f[3]);
    } else if (art == u"katalog") {
        QFile datei(f[1]);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QStringList zeilen = textzeilen(datei.readAll()); // the bytes of a practice's file
        if (f[1].endsWith(u".bef")) { // UTF-8 lines with the escapes of the case tables
            zeilen = dateiText(f[1]).split(u'\n');
            for (QString &z : zeilen)
                z = entschluesseln(z);
            zeilen.removeLast(); // after the last line end
        }
        const QString ist = abbild(katalogAusZeilen(zeilen));
        QCOMPARE(ist, erwartet(f[1].chopped(4) + ".erwartet", ist));
    } else {
        QFAIL(qPrintable("unknown kind " + art));
    }
}

QTEST_APPLESS_MAIN(TstKern)
#include "tst_kern.moc"
