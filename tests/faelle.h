#pragma once

// The one format of the tests' case tables, and the comparison of expected texts.
//
// A table is UTF-8 text, one case a line, fields split by " | "; an empty line or one that starts
// with "#" is no case. In a field "\t", "\r", "\n", "\s" (a blank), "\xHH" and "\uHHHH" stand for
// that character, "\\" for the backslash and "\e" for nothing.
//
// An expected text (a report, a catalogue as read, the lines of a check) is a file compared line
// by line: a difference names the first line that differs. Run a test with
// KALVOMAT_ERWARTUNG_SCHREIBEN=1 to write those files from the program's output; look at the diff
// before committing it.

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTest>

inline QString entschluesseln(const QString &s)
{
    QString aus;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = i + 1 < s.size() && s[i] == u'\\' ? s[++i] : QChar();
        const int n = c == u'x' ? 2 : c == u'u' ? 4 : 0;
        if (n > 0)
            aus += QChar(s.mid(i + 1, n).toUShort(nullptr, 16));
        else if (c.isNull())
            aus += s[i];
        else if (c != u'e')
            aus += c == u't' ? u'\t' : c == u'r' ? u'\r' : c == u'n' ? u'\n' : c == u's' ? u' ' : c;
        i += n;
    }
    return aus;
}

inline QString dateiText(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(pfad));
    return QString::fromUtf8(f.readAll());
}

// One case of a table: its line number in the file and its decoded fields.
struct Fall
{
    int zeile = 0;
    QStringList felder;
};

inline QList<Fall> faelle(const QString &pfad)
{
    QList<Fall> liste;
    const QStringList zeilen = dateiText(pfad).split(u'\n');
    for (qsizetype n = 0; n < zeilen.size(); ++n) {
        if (zeilen[n].isEmpty() || zeilen[n].startsWith(u'#'))
            continue;
        QStringList felder = zeilen[n].split(QStringLiteral(" | "));
        for (QString &f : felder)
            f = entschluesseln(f);
        liste.append({static_cast<int>(n + 1), felder});
    }
    return liste;
}

// Empty when ist equals the text of the file at pfad; else where and how the first differing
// line differs. In writing mode the file is written with ist first.
inline QString abweichung(const QString &ist, const QString &pfad)
{
    QFile f(pfad);
    if (qEnvironmentVariableIntValue("KALVOMAT_ERWARTUNG_SCHREIBEN") == 1
        && f.open(QIODevice::WriteOnly))
        f.write(ist.toUtf8()), f.close();
    const QStringList soll = QFile::exists(pfad) ? dateiText(pfad).split(u'\n') : QStringList();
    const QStringList zeilen = ist.split(u'\n');
    for (qsizetype i = 0; i < qMax(soll.size(), zeilen.size()); ++i)
        if (soll.value(i, QStringLiteral("<Ende>")) != zeilen.value(i, QStringLiteral("<Ende>")))
            return QStringLiteral("%1:%2\n   expected: %3\n   actual:   %4")
                .arg(pfad)
                .arg(i + 1)
                .arg(soll.value(i, QStringLiteral("<Ende>")),
                     zeilen.value(i, QStringLiteral("<Ende>")));
    return {};
}
