#pragma once

// Reading a printed PDF back: its words with page and box in points from the top left corner of
// the sheet, as pdftotext -bbox reports them.

#include <QList>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>

struct PdfWort
{
    int seite = 0; // 1-based
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    QString text;
};

struct PdfInhalt
{
    bool gelesen = false;
    QString fehler;
    double seitenBreite = 0; // points, of the first page
    double seitenHoehe = 0;
    int seiten = 0;
    QList<PdfWort> woerter;

    // The first word with this text; nullptr when there is none.
    const PdfWort *wort(const QString &text) const
    {
        for (const PdfWort &w : woerter)
            if (w.text == text)
                return &w;
        return nullptr;
    }
};

inline bool pdftotextVorhanden()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

inline PdfInhalt pdfWoerterLesen(const QString &pfad)
{
    PdfInhalt inhalt;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {"-bbox", "-enc", "UTF-8", pfad, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        inhalt.fehler = "pdftotext failed: " + QString::fromLocal8Bit(p.readAllStandardError());
        return inhalt;
    }
    static const QRegularExpression seite(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re");
    static const QRegularExpression wort(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" )re"
                                         R"re(xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    const auto zahl = [](const QRegularExpressionMatch &m, int i) {
        return QLocale::c().toDouble(m.captured(i));
    };
    for (const QString &zeile : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (const auto m = seite.match(zeile); m.hasMatch() && ++inhalt.seiten == 1) {
            inhalt.seitenBreite = zahl(m, 1);
            inhalt.seitenHoehe = zahl(m, 2);
        } else if (const auto w = wort.match(zeile); w.hasMatch()) {
            // Entities back to characters; ligature glyphs (U+FB00..) back to their letters.
            QString text = w.captured(5).replace("&lt;", "<").replace("&gt;", ">");
            text = text.replace("&quot;", "\"").replace("&#39;", "'").replace("&amp;", "&");
            text = text.normalized(QString::NormalizationForm_KC);
            inhalt.woerter.append(
                {inhalt.seiten, zahl(w, 1), zahl(w, 2), zahl(w, 3), zahl(w, 4), text});
        }
    }
    inhalt.gelesen = true;
    return inhalt;
}
