#pragma once

// Case tables of the tests: UTF-8 text, one case a line, fields split by " | ", "#" starts a
// comment line. In a field "\t", "\r", "\n", "\s" (a blank), "\xHH" and "\uHHHH" stand for that
// character, "\\" for the backslash and "\e" for nothing. Expected outputs compared as a whole are
// rewritten from the program's output when the environment sets KALVOMAT_ERWARTUNG_SCHREIBEN=1:
// look at the diff before committing it.

#include <QFile>
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

// Compares a whole output with its expected file, or writes the file in writing mode.
inline bool vergleicheMitDatei(const QString &ist, const QString &pfad)
{
    QFile f(pfad);
    if (qEnvironmentVariableIntValue("KALVOMAT_ERWARTUNG_SCHREIBEN") == 1)
        return f.open(QIODevice::WriteOnly) && f.write(ist.toUtf8()) >= 0;
    const QString soll = f.exists() ? dateiText(pfad) : QString();
    const QStringList a = ist.split(u'\n'), b = soll.split(u'\n');
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    if (ist != soll)
        qWarning("%s, line %d\n  is:       %s\n  expected: %s", qPrintable(pfad), int(i + 1),
                 qPrintable(a.value(i)), qPrintable(b.value(i)));
    return ist == soll;
}
