// The catalogue check: its lines for each catalogue pruefung/NAME.txt (the example among them) as
// in pruefung/NAME.erwartet; "kalvomat --pruefen" as the real program without a display; and the
// start-up message of the real window: the check's errors, never its hints, at most ten of them.

#include "../faelle.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"
#include "testfenster.h"

#include <QProcess>

#include <linux/capability.h>
#include <sys/prctl.h>

class TstPruefen : public QObject
{
    Q_OBJECT
private slots:
    void ausgabe_data();
    void ausgabe();
    void aufruf_data();
    void aufruf();
    void startmeldung_data();
    void startmeldung();
};

static QByteArray lies(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("fehlt");
}

void TstPruefen::ausgabe_data()
{
    QTest::addColumn<QString>("katalog");
    const QDir ordner(QStringLiteral(KALVOMAT_PRUEFUNG));
    const QStringList namen = ordner.entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(namen.size() >= 6);
    for (const QString &name : namen)
        QTest::newRow(qPrintable(name)) << ordner.filePath(name);
}

void TstPruefen::ausgabe()
{
    QFETCH(QString, katalog);
    const Textinhalt datei = textinhalt(lies(katalog));
    const QList<Pruefmeldung> meldungen = katalogPruefen(datei, katalogAusZeilen(datei.zeilen));
    QString ausgabe;
    for (const Pruefmeldung &m : meldungen)
        ausgabe += alsZeile(m) + u'\n';
    katalog.replace(QStringLiteral(".txt"), QStringLiteral(".erwartet"));
    const QString fehler = abweichung(ausgabe + zusammenfassung(meldungen) + u'\n', katalog);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TstPruefen::aufruf_data()
{
    QTest::addColumn<QStringList>("teile"); // name, exit code, arguments, last line[, a line]
    for (const Fall &f : faelle(QStringLiteral(KALVOMAT_AUFRUFE)))
        QTest::newRow(qPrintable(f.felder[0])) << f.felder;
}

void TstPruefen::aufruf()
{
    QFETCH(QStringList, teile);
    QTemporaryDir ordner;
    teile.replaceInStrings(QStringLiteral("GESPERRT"), ordner.filePath(QStringLiteral("bef.txt")));
    teile.replaceInStrings(QStringLiteral("BEISPIEL"), QStringLiteral(KALVOMAT_BEISPIEL));
    QVERIFY(QFile::copy(QStringLiteral(KALVOMAT_BEISPIEL "/bef.txt"), ordner.filePath("bef.txt")));
    QVERIFY(QFile::setPermissions(ordner.filePath(QStringLiteral("bef.txt")), {}));
    QProcess p;
    p.setWorkingDirectory(QStringLiteral(KALVOMAT_BEISPIEL));
    p.setProcessChannelMode(QProcess::MergedChannels);
    // No display: a QApplication ends the program with an error. A call meant for the window
    // names "-platform xcb" against the environment's offscreen platform: the abort shows that
    // the arguments reached the window and that Qt took them.
    const bool fenster = teile[1] == u"Fenster";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"),
               fenster ? QStringLiteral("offscreen") : QStringLiteral("xcb"));
    p.setProcessEnvironment(env);
    // Root reads any file; without these two capabilities it keeps to the permissions too.
    p.setChildProcessModifier([] {
        prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    });
    p.start(QStringLiteral(KALVOMAT_PROGRAMM), teile[2].split(u' ', Qt::SkipEmptyParts));
    if (!p.waitForFinished(60000)) {
        p.kill();
        QFAIL("the program did not end");
    }
    if (fenster) {
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        QVERIFY2(p.readAll().contains("qt.qpa.xcb: could not connect to display"), "no window");
        return;
    }
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), teile[1].toInt());
    const QStringList aus = QString::fromUtf8(p.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(teile[1] == u"2" ? aus : aus.mid(aus.size() - 1), QStringList {teile[3]});
    if (teile.size() > 4)
        QVERIFY2(aus.contains(teile[4]), qPrintable("no line " + teile[4]));
}

void TstPruefen::startmeldung_data()
{
    QTest::addColumn<QByteArray>("datei"); // bef.txt
    QTest::addColumn<QString>("einleitung"); // the message's first part; empty: no message at all
    QTest::addColumn<QStringList>("zeilen"); // the lines it lists
    // The first `falsche` of n findings have "x" as their first amount.
    const auto befunde = [](int n, int falsche) {
        QStringList z = {QStringLiteral("Kopf")};
        for (int i = 1; i <= n; ++i)
            z << QStringLiteral("%1\tBefund %1\t\t\t%2\t1\t1\t1\t-1\t-1\t-1\t-1")
                     .arg(i)
                     .arg(i <= falsche ? u"x" : u"1");
        return alsDatei(z);
    };
    const QString fehler = QStringLiteral("Die Befunddatei „bef.txt“ im Ordner „<Ordner>“ enthält "
                                          "Fehler; Beträge und Leistungen dieser Zeilen können "
                                          "falsch sein oder fehlen:");
    const QString keiner = QStringLiteral(
        "Die Befunddatei „bef.txt“ im Ordner „<Ordner>“ enthält keinen Befund; Kalvomat startet "
        "mit einer leeren Befundliste. Berichtigen Sie die Datei und starten Sie das Programm "
        "neu:");
    const QString x = QStringLiteral("Zeile %1, Feld 5 (ohne Bonus): Fehler: „x“ ist keine "
                                     "einfache Zahl; Kalvomat liest daraus 0. Nur Ziffern und "
                                     "höchstens ein Komma eintragen, z. B. 210,69.");
    QStringList zehn;
    for (int z = 2; z <= 11; ++z)
        zehn << x.arg(z);
    QTest::newRow("nur Hinweise") << befunde(5, 0) << QString() << QStringList();
    QTest::newRow("zehn Fehler") << befunde(10, 10) << fehler << zehn;
    QTest::newRow("elf Fehler") << befunde(11, 11) << fehler
                                << zehn + QStringList {QStringLiteral("… und 1 weitere Zeile")};
    QTest::newRow("71 Befunde")
        << befunde(71, 0) << fehler
        << QStringList {QStringLiteral(
               "Zeile 72, Feld 1 (Nr): Fehler: mehr als 70 Befunde, der Befund „Befund "
               "71“ wurde samt seinen Leistungen nicht übernommen.")};
    const QStringList vieleFehler =
        zehn + QStringList {QStringLiteral("… und 4990 weitere Zeilen")};
    QTest::newRow("5000 Fehler") << befunde(5000, 5000) << fehler << vieleFehler;
    QTest::newRow("UTF-8 mit LF: nur Hinweise")
        << QStringLiteral("Kopf\n1.1\tLücke\t\t\t60\t70\t75\t100\t-1\t-1\t-1\t-1\n").toUtf8()
        << QString() << QStringList();
    QTest::newRow("neue Fehler")
        << alsDatei(
               {QStringLiteral("Kopf"),
                QStringLiteral("01. Jan\tKrone\t\t\t-60\t70\t75\t100\t-1\t-1\t-1\t-1"),
                QStringLiteral("1.3\tVerblendung\t\t\t\t\t\t20\t-1\t-1\t-1\tNicht an Pfeilern")})
        << fehler
        << QStringList {
               QStringLiteral(
                   "Zeile 2, Feld 1 (Nr): Fehler: „01. Jan“ ist keine Befundnummer (Ziffern "
                   "und höchstens ein Punkt, z. B. 1.1); Kalvomat zeigt und druckt „01. "
                   "Jan“ als Nr. Die Nummer berichtigen; in einer Tabellenkalkulation die "
                   "Spalte vorher als Text formatieren, sonst wird aus 1.1 ein Datum."),
               QStringLiteral(
                   "Zeile 2, Feld 5 (ohne Bonus): Fehler: „-60“ ist negativ; Kalvomat liest "
                   "daraus -60 und zieht den Betrag von der Summe ab. Festzuschüsse sind nie "
                   "negativ: das Minus entfernen."),
               QStringLiteral(
                   "Zeile 3, Feld 12 (Zählgrenze): Fehler: Feld 12 enthält Text – fehlt "
                   "davor ein Tabulator? Kalvomat liest „Nicht an Pfeilern“ als Zählgrenze 0 "
                   "und die Felder davor eine Spalte zu weit links. Den fehlenden Tabulator "
                   "einfügen.")};
    QTest::newRow("kein Befund: mit Semikolon getrennt")
        << alsDatei({QStringLiteral("Nr;Befund;ohne Bonus"), QStringLiteral("1.1;Krone;60")})
        << keiner
        << QStringList {QStringLiteral(
               "Datei: Fehler: Die Datei enthält keinen Befund: keine Zeile hat einen "
               "Tabulator, die Felder sind mit Semikolon getrennt; die Befundliste "
               "bleibt leer. Die Felder mit Tabulatoren trennen, in einer "
               "Tabellenkalkulation als „Text (Tabulator-getrennt)“ speichern.")};
    QTest::newRow("kein Befund: nur die Kopfzeile, ohne Zeilenende")
        << QByteArrayLiteral("Nr\tBefund") << keiner
        << QStringList {QStringLiteral(
               "Datei: Fehler: Die Datei enthält keinen Befund: sie hat nur eine Zeile, "
               "die Kopfzeile; die Befundliste bleibt leer. Die Befunde ab Zeile 2 "
               "eintragen, je Befund eine Zeile.")};
}

void TstPruefen::startmeldung()
{
    QFETCH(QByteArray, datei);
    QFETCH(QString, einleitung);
    QFETCH(QStringList, zeilen);
    Testfenster t({{QStringLiteral("bef.txt"), datei}});
    const QString schluss = QStringLiteral("Eine genaue Prüfung zeigt: kalvomat --pruefen");
    const QString erwartet = einleitung.isEmpty()
        ? QString()
        : (QStringList() << einleitung << zeilen.join(u'\n') << schluss).join(u"\n\n");
    QCOMPARE(t.gesagt.meldungen.join(u" // ").replace(t.ordner.path(), QStringLiteral("<Ordner>")),
             erwartet);
}

QTEST_MAIN(TstPruefen)
#include "tst_pruefen.moc"
