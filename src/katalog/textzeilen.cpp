#include "katalog/textzeilen.h"

#include <QStringDecoder>

QString windows1252OhneCodec(QByteArrayView bytes)
{
    static constexpr char16_t c1[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        text.append(u >= 0x80 && u < 0xA0 ? QChar(c1[u - 0x80]) : QChar(static_cast<char16_t>(u)));
    }
    return text;
}

namespace {

// Windows-1252 through Qt's codec, or through the own table where Qt has no such codec.
QString ausWindows1252(QByteArrayView bytes)
{
    QStringDecoder decoder("windows-1252");
    return decoder.isValid() ? decoder.decode(bytes) : windows1252OhneCodec(bytes);
}

} // namespace

QStringList textzeilen(const QByteArray &bytes)
{
    // One byte is one character in Windows-1252 and CR and LF keep their codes, so the file is
    // decoded once and split afterwards.
    const QString text = ausWindows1252(bytes);
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    while (anfang < n) {
        const qsizetype cr = text.indexOf(u'\r', anfang);
        if (cr < 0) {
            zeilen.append(text.sliced(anfang));
            break;
        }
        zeilen.append(text.sliced(anfang, cr - anfang));
        anfang = cr + 1;
        if (anfang < n && text.at(anfang) == u'\n')
            ++anfang;
    }
    return zeilen;
}
