// The catalogue check, table-driven: every catalogue pruefung/NAME.txt (Windows-1252, CR LF) with
// the lines the check must print for it in pruefung/NAME.erwartet, and the shipped example.

#include "katalog/katalog.h"
#include "katalog/pruefung.h"
#include "katalog/textzeilen.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TstPruefung : public QObject
{
    Q_OBJECT
private slots:
    void ausgabe_data();
    void ausgabe();
};

static QByteArray lies(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("%s fehlt", qPrintable(pfad));
    return f.readAll();
}

void TstPruefung::ausgabe_data()
{
    QTest::addColumn<QString>("katalog");
    QTest::addColumn<QString>("erwartet");
    const QDir ordner(QStringLiteral(KALVOMAT_PRUEFUNG));
    const QStringList namen = ordner.entryList({QStringLiteral("*.txt")}, QDir::Files);
    QVERIFY(namen.size() >= 6);
    for (const QString &name : namen) {
        QTest::newRow(qPrintable(name))
            << ordner.filePath(name) << ordner.filePath(QFileInfo(name).baseName() + ".erwartet");
    }
    QTest::newRow("beispiel/bef.txt") << QStringLiteral(KALVOMAT_BEISPIEL "/bef.txt")
                                      << ordner.filePath(QStringLiteral("beispiel.erwartet"));
}

void TstPruefung::ausgabe()
{
    QFETCH(QString, katalog);
    QFETCH(QString, erwartet);
    const QStringList zeilen = textzeilen(lies(katalog));
    const QList<Pruefmeldung> meldungen = katalogPruefen(zeilen, katalogAusZeilen(zeilen));
    QStringList ausgabe;
    for (const Pruefmeldung &m : meldungen)
        ausgabe << alsZeile(m);
    ausgabe << zusammenfassung(meldungen);
    QCOMPARE(ausgabe, QString::fromUtf8(lies(erwartet)).split(u'\n', Qt::SkipEmptyParts));
}

QTEST_GUILESS_MAIN(TstPruefung)
#include "tst_pruefung.moc"
