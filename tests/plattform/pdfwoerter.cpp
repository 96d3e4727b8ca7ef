#include "pdfwoerter.h"

#include "druck/druckflaeche.h"

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cmath>

const PdfWort *PdfInhalt::wort(const QString &text) const
{
    for (const PdfWort &w : woerter)
        if (w.text == text)
            return &w;
    return nullptr;
}

bool pdftotextVorhanden()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

namespace {
double zahl(const QString &text)
{
    return QLocale::c().toDouble(text);
}

QString entityFrei(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// DejaVu Sans prints "ff", "fi", "fl" ... as one ligature glyph, which pdftotext gives back as
// U+FB00 ... U+FB06; the text that was printed had the single letters.
QString ohneLigaturen(const QString &text)
{
    QString aus;
    aus.reserve(text.size());
    for (const QChar zeichen : text) {
        if (zeichen.unicode() >= 0xFB00 && zeichen.unicode() <= 0xFB06)
            aus += zeichen.decomposition();
        else
            aus += zeichen;
    }
    return aus;
}
} // namespace

PdfInhalt pdfWoerterLesen(const QString &pfad)
{
    PdfInhalt inhalt;
    QProcess prozess;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    prozess.setProcessEnvironment(umgebung);
    prozess.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pfad,
                   QStringLiteral("-")});
    if (!prozess.waitForFinished(30000) || prozess.exitStatus() != QProcess::NormalExit
        || prozess.exitCode() != 0) {
        inhalt.fehler = QStringLiteral("pdftotext failed: ")
            + QString::fromLocal8Bit(prozess.readAllStandardError());
        return inhalt;
    }
    const QString html = QString::fromUtf8(prozess.readAllStandardOutput());

    static const QRegularExpression seite(
        QStringLiteral(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"));
    static const QRegularExpression wort(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    static const QRegularExpression teil(QStringLiteral(R"(<page |<word )"));

    // Walk through pages and words in document order.
    qsizetype pos = 0;
    while (true) {
        const auto naechster = teil.match(html, pos);
        if (!naechster.hasMatch())
            break;
        const qsizetype start = naechster.capturedStart();
        if (html.mid(start, 6) == QLatin1String("<page ")) {
            const auto m = seite.match(html, start, QRegularExpression::NormalMatch,
                                       QRegularExpression::AnchorAtOffsetMatchOption);
            if (m.hasMatch()) {
                ++inhalt.seiten;
                if (inhalt.seiten == 1) {
                    inhalt.seitenBreite = zahl(m.captured(1));
                    inhalt.seitenHoehe = zahl(m.captured(2));
                }
            }
        } else {
            const auto m = wort.match(html, start, QRegularExpression::NormalMatch,
                                      QRegularExpression::AnchorAtOffsetMatchOption);
            if (m.hasMatch()) {
                PdfWort w;
                w.seite = inhalt.seiten;
                w.xMin = zahl(m.captured(1));
                w.yMin = zahl(m.captured(2));
                w.xMax = zahl(m.captured(3));
                w.yMax = zahl(m.captured(4));
                w.text = ohneLigaturen(entityFrei(m.captured(5)));
                inhalt.woerter.append(w);
            }
        }
        pos = start + 1;
    }
    inhalt.gelesen = true;
    return inhalt;
}

TestberichtMasse testberichtDrucken(Druckflaeche &flaeche, const QString &kennung)
{
    TestberichtMasse masse;
    flaeche.setSchriftgroesse(10);
    masse.breite = flaeche.breite();
    masse.hoehe = flaeche.hoehe();
    masse.zeile = flaeche.textHoehe(QStringLiteral("K0"));
    for (int k = 0; k < 10; ++k) {
        flaeche.setX(masse.breite * k / 10.0);
        flaeche.drucke(QStringLiteral("K%1").arg(k));
    }
    flaeche.zeileEnde();
    flaeche.drucke(QStringLiteral("Umlaute: Zähne – Größe € 1234,5 Auffüllung"));
    flaeche.zeileEnde();
    flaeche.drucke(QStringLiteral("Betrag:"));
    masse.betragX = flaeche.x();
    masse.blank = flaeche.textBreite(QStringLiteral(" "));
    flaeche.drucke(QStringLiteral(" 12,5 "));
    flaeche.zeileEnde();
    flaeche.neueSeite();
    flaeche.setX(masse.breite / 2);
    flaeche.drucke(QStringLiteral("Seite2"));
    flaeche.zeileEnde();
    flaeche.drucke(kennung);
    flaeche.zeileEnde();
    return masse;
}

namespace {
// Positions in the PDF are points (20 twips); pdftotext gives two decimals.
constexpr double toleranzPt = 0.05;

bool nahe(double a, double b, double toleranz = toleranzPt)
{
    return std::abs(a - b) <= toleranz;
}

QString pt(double wert)
{
    return QString::number(wert, 'f', 2);
}
} // namespace

bool testberichtPruefen(const PdfInhalt &pdf, const TestberichtMasse &masse, const QString &kennung,
                        QString &fehler)
{
    if (!pdf.gelesen) {
        fehler = pdf.fehler;
        return false;
    }
    if (pdf.seiten != 2) {
        fehler = QStringLiteral("%1 pages instead of 2").arg(pdf.seiten);
        return false;
    }
    const double rand = (pdf.seitenBreite - masse.breite / 20) / 2;
    const PdfWort *k0 = pdf.wort(QStringLiteral("K0"));
    if (!k0) {
        fehler = QStringLiteral("K0 missing");
        return false;
    }
    // The top of the first line is the top of the printable area.
    const double oben = k0->yMin;
    if (!nahe(oben, (pdf.seitenHoehe - masse.hoehe / 20) / 2, 0.1)) {
        fehler = QStringLiteral("first line at y %1 pt, the printable area begins at %2 pt")
                     .arg(pt(oben), pt((pdf.seitenHoehe - masse.hoehe / 20) / 2));
        return false;
    }
    for (int k = 0; k < 10; ++k) {
        const PdfWort *w = pdf.wort(QStringLiteral("K%1").arg(k));
        const double soll = rand + masse.breite * k / 10.0 / 20;
        if (!w || w->seite != 1 || !nahe(w->xMin, soll) || !nahe(w->yMin, oben)) {
            fehler = QStringLiteral("K%1 expected at x %2 pt on the first line of page 1, found %3")
                         .arg(k)
                         .arg(pt(soll),
                              w ? pt(w->xMin) + QStringLiteral(" / y ") + pt(w->yMin)
                                : QStringLiteral("nothing"));
            return false;
        }
    }
    // One line further down, with its umlauts, dash and euro sign intact.
    const QStringList umlautzeile = {QStringLiteral("Umlaute:"),  QStringLiteral("Zähne"),
                                     QStringLiteral("–"),         QStringLiteral("Größe"),
                                     QStringLiteral("€"),         QStringLiteral("1234,5"),
                                     QStringLiteral("Auffüllung")};
    for (const QString &text : umlautzeile) {
        const PdfWort *w = pdf.wort(text);
        if (!w || w->seite != 1 || !nahe(w->yMin, oben + masse.zeile / 20)) {
            fehler = QStringLiteral("\"%1\" expected on line 2 of page 1 at y %2 pt, found %3")
                         .arg(text, pt(oben + masse.zeile / 20),
                              w ? pt(w->yMin) : QStringLiteral("nothing"));
            return false;
        }
    }
    if (!nahe(pdf.wort(QStringLiteral("Umlaute:"))->xMin, rand)) {
        fehler = QStringLiteral("line 2 does not start at x 0");
        return false;
    }
    // Two items on one line: the second starts where the first ended (plus its own blank).
    const PdfWort *betrag = pdf.wort(QStringLiteral("Betrag:"));
    const PdfWort *zahlwort = pdf.wort(QStringLiteral("12,5"));
    if (!betrag || !zahlwort || !nahe(betrag->xMin, rand)
        || !nahe(betrag->yMin, oben + 2 * masse.zeile / 20)
        || !nahe(zahlwort->yMin, betrag->yMin)) {
        fehler = QStringLiteral("\"Betrag:\" / \"12,5\" not on line 3 of page 1");
        return false;
    }
    // The item " 12,5 " began where "Betrag:" ended; its digits follow the width of its blank.
    const double zahlSoll = rand + (masse.betragX + masse.blank) / 20;
    if (!nahe(betrag->xMax, rand + masse.betragX / 20) || !nahe(zahlwort->xMin, zahlSoll)) {
        fehler = QStringLiteral("\"Betrag:\" ends at %1 pt (expected %2), \"12,5\" starts at %3 "
                                "(expected %4)")
                     .arg(pt(betrag->xMax), pt(rand + masse.betragX / 20), pt(zahlwort->xMin),
                          pt(zahlSoll));
        return false;
    }
    const PdfWort *seite2 = pdf.wort(QStringLiteral("Seite2"));
    if (!seite2 || seite2->seite != 2 || !nahe(seite2->xMin, rand + masse.breite / 2 / 20)
        || !nahe(seite2->yMin, oben)) {
        fehler = QStringLiteral("\"Seite2\" expected on page 2 at x %1 y %2, found %3")
                     .arg(pt(rand + masse.breite / 2 / 20), pt(oben),
                          seite2 ? pt(seite2->xMin) + QStringLiteral(" / ") + pt(seite2->yMin)
                                 : QStringLiteral("nothing"));
        return false;
    }
    const PdfWort *letztes = pdf.wort(kennung);
    if (!letztes || letztes->seite != 2 || !nahe(letztes->xMin, rand)) {
        fehler = QStringLiteral("job mark %1 missing on page 2").arg(kennung);
        return false;
    }
    return true;
}
