#pragma once

// A printed PDF read back: its words with page and box in points from the top left corner of the
// sheet, as pdftotext -bbox reports them.

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>

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
    double seitenBreite = 0, seitenHoehe = 0; // points, of the first page
    int seiten = 0;
    QList<PdfWort> woerter;

    const PdfWort *wort(const QString &text) const // the first with this text, or nullptr
    {
        for (const PdfWort &w : woerter)
            if (w.text == text)
                return &w;
        return nullptr;
    }
};

inline PdfInhalt pdfWoerterLesen(const QString &pfad)
{
    PdfInhalt pdf;
    QProcess p;
    p.start("pdftotext", {"-bbox", "-enc", "UTF-8", pfad, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        pdf.fehler = "pdftotext failed: " + p.readAllStandardError();
    static const QRegularExpression zahlen(R"re(="([0-9.]+)")re"), text(R"re(>([^<]*)</word>)re");
    for (const QString &zeile : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        QList<double> z; // page width and height, or the word's box
        for (auto i = zahlen.globalMatch(zeile); i.hasNext();)
            z << QLocale::c().toDouble(i.next().captured(1));
        if (zeile.contains("<page ") && ++pdf.seiten == 1)
            pdf.seitenBreite = z.value(0), pdf.seitenHoehe = z.value(1);
        // Entities back to characters, ligature glyphs (U+FB00...) back to their letters.
        QString w = text.match(zeile).captured(1).replace("&lt;", "<").replace("&gt;", ">");
        w = w.replace("&quot;", "\"").replace("&#39;", "'").replace("&amp;", "&");
        if (zeile.contains("<word ") && z.size() == 4)
            pdf.woerter.append(
                {pdf.seiten, z[0], z[1], z[2], z[3], w.normalized(QString::NormalizationForm_KC)});
    }
    pdf.gelesen = pdf.fehler.isEmpty();
    return pdf;
}
