#include "katalog/textzeilen.h"

#include <algorithm>
#include <type_traits>

QString ausWindows1252(QByteArrayView bytes)
{
    static constexpr char16_t c1[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(), [](char b) {
        const auto u = static_cast<unsigned char>(b);
        return u >= 0x80 && u < 0xA0 ? QChar(c1[u - 0x80]) : QChar(static_cast<char16_t>(u));
    });
    return text;
}

namespace {

// The lines of a decoded text or of raw bytes: CR and LF have the same codes in both, and no
// UTF-8 sequence contains them. With nurLf the lines end at LF, else at CR or CR LF.
template<typename Text>
QList<Text> zerlegen(Text text, bool nurLf)
{
    QList<Text> zeilen;
    const auto ende = [nurLf] {
        if constexpr (std::is_same_v<Text, QStringView>)
            return QChar(nurLf ? u'\n' : u'\r');
        else
            return nurLf ? '\n' : '\r';
    }();
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    while (anfang < n) {
        const qsizetype e = text.indexOf(ende, anfang);
        if (e < 0) {
            zeilen.append(text.sliced(anfang));
            break;
        }
        zeilen.append(text.sliced(anfang, e - anfang));
        anfang = e + 1;
        if (!nurLf && anfang < n && text.at(anfang) == u'\n')
            ++anfang;
    }
    return zeilen;
}

} // namespace

Textinhalt textinhalt(const QByteArray &bytes)
{
    Textinhalt inhalt;
    QByteArrayView rest(bytes);
    QString text;
    if (rest.startsWith("\xEF\xBB\xBF")) {
        inhalt.zeichensatz = Zeichensatz::utf8MitKennung;
        rest = rest.sliced(3);
        text = QString::fromUtf8(rest);
    } else if (rest.isValidUtf8()) {
        // Plain ASCII reads the same in both; only a character beyond it makes the file UTF-8.
        text = QString::fromUtf8(rest);
        if (text.size() < rest.size())
            inhalt.zeichensatz = Zeichensatz::utf8;
    } else {
        if (rest.startsWith("\xFF\xFE") || rest.startsWith("\xFE\xFF"))
            inhalt.zeichensatz = Zeichensatz::utf16;
        // One byte is one character in Windows-1252, so the file is decoded once and split
        // afterwards.
        text = ausWindows1252(rest);
    }
    inhalt.nurLf = !rest.contains('\r') && rest.contains('\n');
    const QList<QStringView> zeilen = zerlegen(QStringView(text), inhalt.nurLf);
    inhalt.zeilen.reserve(zeilen.size());
    for (const QStringView zeile : zeilen)
        inhalt.zeilen.append(zeile.toString());
    if (inhalt.zeichensatz == Zeichensatz::utf8MitKennung && !rest.isValidUtf8()) {
        const QList<QByteArrayView> roh = zerlegen(rest, inhalt.nurLf);
        const auto kaputt =
            std::find_if(roh.begin(), roh.end(), [](QByteArrayView z) { return !z.isValidUtf8(); });
        inhalt.kaputteUtf8Zeile = kaputt - roh.begin() + 1;
    }
    return inhalt;
}

QStringList textzeilen(const QByteArray &bytes)
{
    return textinhalt(bytes).zeilen;
}
