// The dental chart on the case tables beside this file: vorschlag.txt (a chart and the findings
// it gives) and lesen.txt (a text and what the reader makes of it); the charts in ausgaben/ with
// their whole proposal as text and JSON; and every code on every tooth through the text format
// and back.

#include "../faelle.h"
#include "zahnschema/vorschlag_ausgabe.h"
#include "zahnschema/zahnschema_text.h"

#include <QDir>
#include <QRegularExpression>

namespace {

void zeilenAus(const QString &datei)
{
    QTest::addColumn<QStringList>("f");
    for (const Fall &f : faelle(QStringLiteral(KALVOMAT_TESTS "/zahnschema/") + datei))
        QTest::addRow("%s:%d %s", qPrintable(datei), f.zeile, qPrintable(f.felder[0])) << f.felder;
}

// "14..16 f" stands for "14 f, 15 f, 16 f".
QString ausgeschrieben(QString schema)
{
    static const QRegularExpression bereich(QStringLiteral("(\\d)(\\d)\\.\\.\\d(\\d) ([^,;]+)"));
    QRegularExpressionMatch m;
    while ((m = bereich.match(schema)).hasMatch()) {
        QStringList einzeln;
        for (int z = m.captured(2).toInt(); z <= m.captured(3).toInt(); ++z)
            einzeln << m.captured(1) + QString::number(z) + u' ' + m.captured(4);
        schema.replace(m.capturedStart(), m.capturedLength(), einzeln.join(QStringLiteral(", ")));
    }
    return schema;
}

// "2.1×1", with "(36,37)" or "(OK)" where the table names the teeth.
QString kurz(const VorgeschlagenerBefund &b, bool zaehne)
{
    QStringList t;
    for (const int z : b.zaehne)
        t << QString::number(z);
    return b.nr + u'×' + QString::number(b.anzahl)
        + (!zaehne ? QString() : u'(' + (b.jeKiefer ? kieferText(b.kiefer) : t.join(u',')) + u')');
}

} // namespace

class TstZahnschema : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void vorschlag_data() { zeilenAus(QStringLiteral("vorschlag.txt")); }
    void vorschlag();
    void lesen_data() { zeilenAus(QStringLiteral("lesen.txt")); }
    void lesen();
    void ausgabe_data();
    void ausgabe();
    void rundweg();
};

void TstZahnschema::vorschlag()
{
    QFETCH(QStringList, f);
    const GelesenesZahnschema g = zahnschemaLesen(ausgeschrieben(f[1]));
    QVERIFY2(g.fehler.isEmpty(), qPrintable(alsText(g.fehler.value(0))));
    const Vorschlag v = vorschlagen(g.schema);
    const QStringList soll = f[2].split(u' ', Qt::SkipEmptyParts);
    QStringList ist, pruefen;
    for (qsizetype i = 0; i < v.befunde.size(); ++i) {
        ist << kurz(v.befunde[i], soll.value(i).contains(u'('));
        if (!v.befunde[i].pruefen.isEmpty())
            pruefen << v.befunde[i].nr;
    }
    QCOMPARE(ist.join(u' '), soll.join(u' '));
    if (f.size() > 3)
        QCOMPARE(pruefen.join(u' '), f[3] == u"-" ? QString() : f[3]);
    if (f.size() > 4)
        QVERIFY2(v.hinweise.join(u'\n').contains(f[4]), qPrintable(v.hinweise.join(u'\n')));
}

void TstZahnschema::lesen()
{
    QFETCH(QStringList, f);
    const GelesenesZahnschema g = zahnschemaLesen(f[1]);
    QStringList fehler;
    for (const Lesefehler &e : g.fehler)
        fehler << alsText(e);
    QCOMPARE(g.fehler.isEmpty() ? zahnschemaText(g.schema) : fehler.join(u'\n'), f[2]);
}

void TstZahnschema::ausgabe_data()
{
    QTest::addColumn<QString>("pfad");
    const QDir ordner(QStringLiteral(KALVOMAT_TESTS "/zahnschema/ausgaben"));
    for (const QString &name : ordner.entryList({QStringLiteral("*.txt")}))
        QTest::newRow(qPrintable(name)) << ordner.filePath(name);
}

void TstZahnschema::ausgabe()
{
    QFETCH(QString, pfad);
    const GelesenesZahnschema g = zahnschemaLesen(dateiText(pfad));
    QVERIFY(g.fehler.isEmpty());
    const Vorschlag v = vorschlagen(g.schema);
    const QString ist = vorschlagAlsText(v) + vorschlagAlsJson(v);
    QCOMPARE(abweichung(ist, pfad.chopped(4) + QStringLiteral(".erwartet")), QString());
}

// The written text reads back as the same chart; answers that do not fit are not written.
void TstZahnschema::rundweg()
{
    for (const int fdi : Zahnschema::alleZaehne()) {
        QCOMPARE(Zahnschema::bogen(Zahnschema::kieferVon(fdi)).count(fdi), 1);
        for (int k = 0; k < anzahlKuerzel; ++k) {
            Zahnschema s;
            QVERIFY(s.setzen(fdi, {static_cast<Kuerzel>(k), true, true}));
            s.setzeVersorgung(Kiefer::UK, static_cast<Versorgung>(k % 6));
            const QString text = zahnschemaText(s);
            const GelesenesZahnschema g = zahnschemaLesen(text);
            QVERIFY2(g.fehler.isEmpty(), qPrintable(text));
            QCOMPARE(zahnschemaText(g.schema), text);
            QVERIFY(g.schema.befund(fdi).kuerzel == s.befund(fdi).kuerzel);
            QVERIFY(g.schema.versorgung(Kiefer::UK) == s.versorgung(Kiefer::UK));
        }
    }
    QVERIFY(nummerVor(QStringLiteral("2.7"), QStringLiteral("2.10")));
    QVERIFY(!nummerVor(QStringLiteral("2.10"), QStringLiteral("2.7")));
    QVERIFY(!nummerVor(QStringLiteral("2.1"), QStringLiteral("2.1")));
    QVERIFY(!Zahnschema().setzen(19, {Kuerzel::f}));
    QVERIFY(Zahnschema().befund(19) == Zahnbefund {});
}

QTEST_APPLESS_MAIN(TstZahnschema)
#include "tst_zahnschema.moc"
