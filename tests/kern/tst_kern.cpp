// The GUI-free core on plain data: the number rule, the lines of a practice's file, the
// catalogue, region counting, money and the sums of a plan. Every case is a row of the tables
// in tabellen/ (the first field names its kind); each catalogue in katalog/ is read and
// compared as a whole with its ".erwartet" file.

#include "../faelle.h"
#include "druck/aufzeichnung.h"
#include "druck/drucklauf.h"
#include "katalog/katalog.h"
#include "katalog/suche.h"
#include "katalog/textzeilen.h"
#include "katalog/zahlwert.h"
#include "leistungen/leistarray.h"
#include "plan/berechnung.h"
#include "plan/plandatei.h"
#include "plan/planeditor.h"
#include "plan/region.h"
#include "zahnschema/zahnschema_text.h"

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
                if (l.vorzeichen != 0 || !(l.nr + l.text).isEmpty())
                    aus += QStringLiteral("\n  %1 %2 ").arg(art).arg(e)
                        + feld(QString::number(l.vorzeichen)) + feld(l.nr) + feld(l.text);
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

// A plan as the tables write it: "PATIENT akt R stufe B:", each row that holds anything as
// "R REGION/NUMBER TEXT/COUNT/AMOUNTS/SUMS" (four levels, comma-separated), then "= " the totals,
// and "schema: " the dental chart in its text format, ", " between entries, when it holds one.
QString planBild(const PlanState &p)
{
    const auto vier = [](const std::array<Geld, 4> &g) {
        return QStringLiteral("%1,%2,%3,%4").arg(g[0]).arg(g[1]).arg(g[2]).arg(g[3]);
    };
    QString s =
        QStringLiteral("%1 akt %2 stufe %3:").arg(p.patient).arg(p.aktzeile).arg(p.aktbonus);
    for (int r = 0; r < PlanState::zeilen; ++r)
        if (const Planzeile &z = p.zeile[r]; !(z == Planzeile {}))
            s += QStringLiteral(" %1 %2/%3 %4/%5/%6/%7")
                     .arg(r)
                     .arg(z.region, z.befnr, z.beftext)
                     .arg(z.anzahl)
                     .arg(vier(z.einfach), vier(z.summe));
    s += " = " + vier(p.festsumme);
    if (const QString schema = zahnschemaText(p.zahnschema); !schema.isEmpty())
        s += " schema: " + schema.trimmed().replace(u'\n', QStringLiteral(", "));
    return s;
}

Katalog testkatalog()
{
    return katalogAusZeilen(dateiText(KALVOMAT_TESTS "/app/kataloge/test.txt").split(u'\n'));
}

// The user's actions "region 3 11 12; befund 2; ..." on an editor with the window tests'
// catalogue; the plan afterwards, the finding shown, what the last action changed, the rows a
// plan opened last differs in, whether closing would lose work, and the message of the last
// taking over of a proposal.
QString bearbeitet(const QString &aktionen)
{
    Planeditor e;
    e.katalogSetzen(testkatalog());
    Aenderung a;
    QStringList abweichungen;
    QString meldung;
    for (const QString &aktion : aktionen.split(QStringLiteral("; "))) {
        const QString was = aktion.section(u' ', 0, 0), rest = aktion.section(u' ', 1);
        const int n = rest.section(u' ', 0, 0).toInt();
        if (was == u"region")
            a = e.regionEingeben(n, rest.section(u' ', 1));
        else if (was == u"befund")
            a = e.befundWaehlen(n);
        else if (was == u"bonus")
            a = e.bonusWaehlen(n);
        else if (was == u"patient")
            a = e.patientEingeben(rest);
        else if (was == u"zeile")
            a = e.zeileWaehlen(n);
        else if (was == u"leeren")
            a = e.zeileLeeren(n);
        else if (was == u"gespeichert")
            e.planGespeichert();
        else if (was == u"katalog") // its lines after the header, " / " between them
            e.katalogSetzen(katalogAusZeilen(QStringList {"Nr"} + rest.split(" / ")));
        else if (was == u"zahnschema")
            a = e.zahnschemaEingeben(zahnschemaLesen(rest).schema);
        else if (was == u"uebernehmen") {
            Uebernahmebericht bericht;
            a = e.vorschlagUebernehmen(vorschlagen(e.plan().zahnschema), bericht);
            meldung = uebernahmeMeldung(bericht).replace(u'\n', QStringLiteral(" / "));
        } else if (was == u"oeffnen")
            a = e.planOeffnen(
                *plandatei::lesen(dateiText(KALVOMAT_TESTDATA "/plandateien/" + rest).toUtf8())
                     .plan,
                abweichungen);
    }
    QString geaendert;
    for (int r = 0; r < PlanState::zeilen; ++r)
        geaendert +=
            a.zeilen.test(static_cast<std::size_t>(r)) ? QString::number(r) + u' ' : QString();
    for (const auto &[an, zeichen] : {std::pair {a.summen, u'S'},
                                      {a.stufe, u'B'},
                                      {a.details, u'D'},
                                      {a.patient, u'P'},
                                      {a.zahnschema, u'C'}})
        geaendert += an ? QString(zeichen) : QString();
    if (a.aktzeile)
        geaendert += QStringLiteral("Z%1").arg(a.vorher);
    for (const QString &z : abweichungen)
        geaendert += u' ' + z.section(u':', 0, 0);
    return planBild(e.plan())
        + QStringLiteral(" gezeigt %1 ändert %2").arg(e.gezeigt()).arg(geaendert)
        + (e.ungesichert() ? " ungesichert" : "")
        + (meldung.isEmpty() ? QString() : " meldung: " + meldung);
}

// "0: 617800 741400 803100 1235600 x3; 19: ..." gives rows with four single amounts and a count.
PlanState planAus(const QString &zeilen)
{
    PlanState plan;
    for (const QString &z : zeilen.split(u';')) {
        const QStringList f = z.simplified().remove(u':').remove(u'x').split(u' ');
        Planzeile &zeile = plan.zeile[f[0].toInt()];
        for (int s = 0; s < 4; ++s)
            zeile.einfach[s] = f[s + 1].toLongLong();
        zeile.anzahl = f[5].toLongLong();
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
    for (const QString &datei : ordner.entryList({"*.txt"}))
        for (const Fall &f : faelle(ordner.filePath(datei)))
            QTest::addRow("%s:%d %s", qPrintable(datei), f.zeile, qPrintable(f.felder.value(1)))
                << f.felder;
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
        // The own Windows-1252 table reads the row, and every byte there is, as Qt's codec does.
        QByteArray bytes = f[2].toLatin1();
        for (int byte = 0; byte < 256; ++byte)
            bytes.append(static_cast<char>(byte));
        QCOMPARE(ausWindows1252(bytes), QStringDecoder("windows-1252").decode(bytes));
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
        QStringList ist;
        for (int s = 0; s < 8; ++s)
            ist << QString::number(s < 4 ? plan.festsumme[s] : eigenanteil(plan, s - 4));
        QCOMPARE(ist.join(u' '), f[3] + u' ' + f[4]);
    } else if (art == u"flaeche") { // what | texts, "x=twips", "/" ends a line, "#" a page | pages
        Aufzeichnung flaeche;
        for (const QString &t : f[2].split(u' '))
            t == u"/"                 ? flaeche.zeileEnde()
                : t == u"#"           ? flaeche.neueSeite()
                : t.startsWith(u"x=") ? flaeche.setX(t.mid(2).toDouble())
                                      : flaeche.drucke(QString(t).replace(u'~', u' '));
        QString ist = QString::number(flaeche.y());
        for (int s = 1; s <= flaeche.seiten(); ++s)
            ist += QStringLiteral(" # %1: ").arg(flaeche.zeilenAnzahl(s))
                + flaeche.seitenBild(s, 100).join(u'/');
        QCOMPARE(ist, f[3]);
    } else if (art == u"uebernahme") { // finding index | catalogue line | the row
        Planzeile z;
        befundUebernehmen(z, katalogAusZeilen({QStringLiteral("Nr"), f[3]}), f[2].toInt());
        QCOMPARE(QStringLiteral("%1|%2|%3|%4 %5 %6 %7|%8|%9 %10 %11 %12")
                     .arg(z.befund)
                     .arg(z.befnr, z.beftext)
                     .arg(z.einfach[0])
                     .arg(z.einfach[1])
                     .arg(z.einfach[2])
                     .arg(z.einfach[3])
                     .arg(z.anzahl)
                     .arg(z.grenzen[0])
                     .arg(z.grenzen[1])
                     .arg(z.grenzen[2])
                     .arg(z.grenzen[3]),
                 f[4]);
    } else if (art == u"leistung") { // size | "count/number/text; sortieren" | used entries
        Leistarray t(f[2].toInt());
        QStringList ist;
        for (const QString &aktion : f[3].split(QStringLiteral("; "))) {
            const QStringList w = aktion.split(u'/');
            if (aktion == u"sortieren")
                t.sortieren();
            else if (!t.add(w[0].toInt(), w.value(1), w.value(2)))
                ist << QStringLiteral("voll");
        }
        for (int i = 0; i < t.groesse(); ++i)
            if (!t[i].nr.isEmpty())
                ist << QStringLiteral("%1:%2/%3/%4").arg(i).arg(t[i].anz).arg(t[i].nr, t[i].text);
        QCOMPARE(ist.join(u' '), f[4]);
    } else if (art == u"plandatei") { // file | the reason, or the plan read | the file written
        QFile datei(KALVOMAT_TESTDATA "/plandateien/" + f[1]);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const plandatei::Gelesen g = plandatei::lesen(datei.readAll());
        QCOMPARE(g.plan ? planBild(*g.plan) : g.fehler, f[2]);
        const QString geschrieben = f.size() < 4 || !g.plan
            ? QString()
            : abweichung(QString::fromUtf8(plandatei::alsJson(*g.plan)),
                         KALVOMAT_TESTDATA "/plandateien/" + f[3]);
        QVERIFY2(geschrieben.isEmpty(), qPrintable(geschrieben));
        if (g.plan) // saved and read again, the plan is the same
            QCOMPARE(
                planBild(plandatei::lesen(plandatei::alsJson(*g.plan)).plan.value_or(PlanState {})),
                f[2]);
    } else if (art == u"nummer") { // catalogue lines, " / " between | number | entry found
        QCOMPARE(befundNachNummer(katalogAusZeilen(QStringList {"Nr"} + f[2].split(" / ")), f[3]),
                 f[4].toInt());
    } else if (art == u"meldung") { // free rows, findings, rows missing | other counts |
                                    // numbers not in the catalogue | the message
        const QStringList z = f[2].split(u' ');
        const Uebernahmebericht bericht {z[2].toInt(), z[1].toInt(), z[0].toInt(),
                                         f[3].isEmpty() ? QStringList() : f[3].split(" / "),
                                         f[4].isEmpty() ? QStringList() : f[4].split(" / ")};
        QCOMPARE(uebernahmeMeldung(bericht), f[5]);
    } else if (art == u"editor") { // actions | the plan afterwards
        QCOMPARE(bearbeitet(f[2]), f[3]);
    } else if (art == u"umbruch" || art == u"kuerzung") { // what | text | room in characters |
                                                          // its lines, "/" between, or as cut
        const Aufzeichnung flaeche;
        const double raum = f[3].toDouble() * flaeche.metrik().zeichenBreite;
        QCOMPARE(art == u"umbruch" ? umbrochen(flaeche, f[2], raum).join(u'/')
                                   : gekuerzt(flaeche, f[2], raum),
                 f[4]);
    } else if (art == u"suche") { // search text | the list entries found
        QStringList ist;
        for (int i : befundeFinden(testkatalog(), f[2]))
            ist << QString::number(i);
        QCOMPARE(ist.join(u' '), f[3]);
    } else if (art == u"dateiname") { // patient | date | kind | ending | name
        QCOMPARE(plandatei::dateiname(f[2], QDate::fromString(f[3], Qt::ISODate), f[4], f[5]),
                 f[6]);
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
        const QString fehler =
            abweichung(abbild(katalogAusZeilen(zeilen)), f[1].chopped(4) + ".erwartet");
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
    } else {
        QFAIL(qPrintable("unknown kind " + art));
    }
}

QTEST_APPLESS_MAIN(TstKern)
#include "tst_kern.moc"
