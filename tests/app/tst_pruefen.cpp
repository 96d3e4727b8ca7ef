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
    const QStringList zeilen = textzeilen(lies(katalog));
    const QList<Pruefmeldung> meldungen = katalogPruefen(zeilen, katalogAusZeilen(zeilen));
    QString ausgabe;
    for (const Pruefmeldung &m : meldungen)
        ausgabe += alsZeile(m) + u'\n';
    katalog.replace(QStringLiteral(".txt"), QStringLiteral(".erwartet"));
    const QString fehler = abweichung(ausgabe + zusammenfassung(meldungen) + u'\n', katalog);
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

void TstPruefen::aufruf_data()
{
    QTest::addColumn<QStringList>("teile"); // name, exit code, arguments, last line
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
    // No display: a QApplication would end the program with an error.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p.setProcessEnvironment(env);
    // Root reads any file; without these two capabilities it keeps to the permissions too.
    p.setChildProcessModifier([] {
        prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    });
    p.start(QStringLiteral(KALVOMAT_PROGRAMM), teile[2].split(u' '));
    QVERIFY(p.waitForFinished(-1));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), teile[1].toInt());
    const QStringList aus = QString::fromUtf8(p.readAll()).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(teile[1] == u"2" ? aus : aus.mid(aus.size() - 1), QStringList {teile[3]});
}

void TstPruefen::startmeldung_data()
{
    QTest::addColumn<int>("befunde");
    QTest::addColumn<int>("falsche"); // the first so many findings have "x" as first amount
    QTest::addColumn<QStringList>("erwartet"); // the listed lines; empty: no message at all
    const QString x = QStringLiteral("Zeile %1, Feld 5 (ohne Bonus): Fehler: „x“ ist keine "
                                     "einfache Zahl (Ziffern, höchstens ein Komma, kein "
                                     "Tausenderpunkt); Kalvomat liest daraus 0.");
    QStringList zehn;
    for (int z = 2; z <= 11; ++z)
        zehn << x.arg(z);
    QTest::newRow("nur Hinweise") << 5 << 0 << QStringList();
    QTest::newRow("zehn Fehler") << 10 << 10 << zehn;
    QTest::newRow("elf Fehler") << 11 << 11 << zehn + QStringList {"… und 1 weitere Zeile"};
    QTest::newRow("71 Befunde")
        << 71 << 0
        << QStringList {"Zeile 72, Feld 1 (Nr): Fehler: mehr als 70 Befunde, der Befund „Befund "
                        "71“ wurde samt seinen Leistungen nicht übernommen."};
    QTest::newRow("5000 Fehler") << 5000 << 5000
                                 << zehn + QStringList {"… und 4990 weitere Zeilen"};
}

void TstPruefen::startmeldung()
{
    QFETCH(int, befunde);
    QFETCH(int, falsche);
    QFETCH(QStringList, erwartet);
    QStringList z = {QStringLiteral("Kopf")};
    for (int i = 1; i <= befunde; ++i)
        z << QStringLiteral("%1\tBefund %1\t\t\t%2\t1\t1\t1\t-1\t-1\t-1\t-1")
                 .arg(i)
                 .arg(i <= falsche ? u"x" : u"1");
    Testfenster t({{QStringLiteral("bef.txt"), alsDatei(z)}});
    QStringList teile; // the message's introduction, its list and its closing line
    for (const QString &m : t.gesagt.meldungen)
        teile += m.split(QStringLiteral("\n\n"));
    const QString schluss = QStringLiteral("Eine genaue Prüfung zeigt: kalvomat --pruefen");
    QCOMPARE(teile.mid(1),
             (erwartet.isEmpty() ? QStringList() : QStringList {erwartet.join(u'\n'), schluss}));
}

QTEST_MAIN(TstPruefen)
#include "tst_pruefen.moc"
