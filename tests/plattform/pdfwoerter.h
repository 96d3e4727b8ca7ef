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

    const PdfWort *wort(const QString &text) const // the first with this text
    {
        const auto w = std::find_if(woerter.cbegin(), woerter.cend(),
                                    [&](const PdfWort &w) { return w.text == text; });
        return w == woerter.cend() ? nullptr : &*w;
    }
};

inline PdfInhalt pdfWoerterLesen(const QString &pfad)
{
    PdfInhalt pdf;
    QProcess p;
    p.start("pdftotext", {"-bbox", "-enc", "UTF-8", pfad, "-"});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return pdf.fehler = "pdftotext failed: " + p.readAllStandardError(), pdf;
    static const QRegularExpression seite(R"re(<page width="([0-9.]+)" height="([0-9.]+)">)re"),
        wort(
            R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    for (const QString &zeile : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        const auto m = seite.match(zeile), w = wort.match(zeile);
        const auto zahl = [](const QRegularExpressionMatch &m, int i) {
            return QLocale::c().toDouble(m.captured(i));
        };
        if (m.hasMatch() && ++pdf.seiten == 1)
            pdf.seitenBreite = zahl(m, 1), pdf.seitenHoehe = zahl(m, 2);
        // Entities back to characters, ligature glyphs (U+FB00...) back to their letters.
        QString text =
            w.captured(5).replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"");
        text = text.replace("&#39;", "'")
                   .replace("&amp;", "&")
                   .normalized(QString::NormalizationForm_KC);
        if (w.hasMatch())
            pdf.woerter.append({pdf.seiten, zahl(w, 1), zahl(w, 2), zahl(w, 3), zahl(w, 4), text});
    }
    pdf.gelesen = true;
    return pdf;
}
