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

// The expected text in the file at pfad; in writing mode the file is written with ist first.
inline QString erwartet(const QString &pfad, const QString &ist)
{
    QFile f(pfad);
    if (qEnvironmentVariableIntValue("KALVOMAT_ERWARTUNG_SCHREIBEN") == 1
        && f.open(QIODevice::WriteOnly))
        f.write(ist.toUtf8()), f.close();
    return QFile::exists(pfad) ? dateiText(pfad) : QString();
}
