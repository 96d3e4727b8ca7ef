// "kalvomat --vorschlag" as the real program without a display: the calls of
// vorschlag_aufrufe.txt, each output compared whole with its expected file, and every JSON
// output read back as JSON with exactly the documented keys.

#include "../faelle.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <linux/capability.h>
#include <sys/prctl.h>

class TstVorschlag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aufruf_data();
    void aufruf();
};

void TstVorschlag::aufruf_data()
{
    QTest::addColumn<QStringList>("f"); // name, exit code, arguments, standard input
    for (const Fall &f : faelle(QStringLiteral(KALVOMAT_TESTS "/app/vorschlag_aufrufe.txt")))
        QTest::addRow("%s", qPrintable(f.felder[0])) << f.felder;
}

void TstVorschlag::aufruf()
{
    QFETCH(QStringList, f);
    const QString ordner = QStringLiteral(KALVOMAT_TESTS "/app/vorschlag");
    QTemporaryDir tmp;
    const QString gesperrt = tmp.filePath(QStringLiteral("klasse2.txt"));
    QVERIFY(QFile::copy(ordner + QStringLiteral("/klasse2.txt"), gesperrt));
    QVERIFY(QFile::setPermissions(gesperrt, {}));
    QProcess p;
    p.setWorkingDirectory(ordner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p.setProcessEnvironment(env);
    // Root reads any file; without these two capabilities it keeps to the permissions too.
    p.setChildProcessModifier([] {
        prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
        prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
    });
    if (f.size() > 3)
        p.setStandardInputFile(ordner + u'/' + f[3]);
    p.start(QStringLiteral(KALVOMAT_PROGRAMM),
            f[2].replace(QStringLiteral("GESPERRT"), gesperrt).split(u' '));
    p.closeWriteChannel();
    QVERIFY(p.waitForFinished(-1));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), f[1].toInt());
    const QByteArray aus = p.readAllStandardOutput();
    const QString fehler = QString::fromUtf8(p.readAllStandardError());
    QString ist = QString::fromUtf8(aus)
        + (fehler.isEmpty() ? QString() : QStringLiteral("--- Fehlerausgabe\n") + fehler);
    ist.replace(ordner, QStringLiteral("ORDNER")).replace(gesperrt, QStringLiteral("GESPERRT"));
    QCOMPARE(abweichung(ist, ordner + u'/' + f[0] + QStringLiteral(".erwartet")), QString());

    if (!f[2].contains(QStringLiteral("--json")) || f[1] != u"0")
        return;
    QJsonParseError e;
    const QJsonObject v = QJsonDocument::fromJson(aus, &e).object();
    QCOMPARE(e.error, QJsonParseError::NoError);
    QCOMPARE(v.keys(), QStringList({QStringLiteral("befunde"), QStringLiteral("hinweise")}));
    for (const QJsonValue b : v[QStringLiteral("befunde")].toArray())
        QCOMPARE(
            b.toObject().keys(),
            QStringList({QStringLiteral("anzahl"), QStringLiteral("grund"), QStringLiteral("nr"),
                         QStringLiteral("pruefen"), QStringLiteral("zaehne")}));
}

QTEST_APPLESS_MAIN(TstVorschlag)
#include "tst_vorschlag.moc"
