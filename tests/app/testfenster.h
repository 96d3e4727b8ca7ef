#pragma once

// The real window in a temporary working directory that holds the files a test gives it, with
// message boxes replaced by a record of what the window said.

#include "app/dialoge.h"
#include "app/main_window.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

struct Gesagt
{
    QStringList meldungen;
    QStringList fragen;
    bool antwort = false;
    QString pdfPfad;
};

class TestDialoge : public Dialoge
{
public:
    explicit TestDialoge(Gesagt &gesagt) : g(gesagt) { }
    void meldung(const QString &text) override { g.meldungen << text; }
    bool frage(const QString &text) override
    {
        g.fragen << text;
        return g.antwort;
    }
    QString pdfSpeicherort() override { return g.pdfPfad; }

private:
    Gesagt &g;
};

// Text as the practice's files hold it: Windows-1252, lines ended by CR LF.
inline QByteArray alsDatei(const QStringList &zeilen)
{
    QStringEncoder enc("windows-1252");
    QByteArray bytes;
    for (const QString &z : zeilen)
        bytes += QByteArray(enc.encode(z)) + "\r\n";
    return bytes;
}

inline void schreibe(const QString &pfad, const QByteArray &bytes)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A small catalogue: a heading, findings with amounts and limits, services, a shared text.
inline QStringList testKatalog()
{
    auto zeile = [](const QStringList &felder) { return felder.join(u'\t'); };
    QStringList z;
    z << QStringLiteral("Nr\tBefund\tInfo1\tInfo2");
    z << zeile({"1", "1 -Erhaltungswürdiger Zahn", "", "", "", "", "", "", "", "", "", "",
                "Überschrift z", "Überschrift k"});
    z << zeile({"1.1",
                "Krone je Zahn",
                "weitgehende Zerstörung, je Zahn",
                "zählt je Zahn",
                "61,78",
                "70.06",
                "75",
                "100",
                "32",
                "-1",
                "-1",
                "-1",
                "13b 13c",
                "kein OK-Verband",
                "",
                "",
                "20a",
                "Krone",
                "0010",
                "Modell"});
    z << zeile(
        {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "-19", "Provisorium"});
    z << zeile({"3.1", "Lücke je Kiefer", "Freiend, je Kiefer", "", "496,80", "579,6", "621", "828",
                "-1", "-1", "1", "-1", "", ""});
    z << zeile({"2", "2 -Zahnbegrenzte Lücken", "", ""});
    z << zeile({"2.1", "Brücke", "je Lücke", "", "487,04", "568,22", "608,81", "811,74", "", "", "",
                "", "", ""});
    z << zeile({"9.9", "Ohne Betrag", "Betrag nicht im Katalog", "", "", "", "", "", "-1", "-1",
                "-1", "-1", "", ""});
    return z;
}

class Testfenster
{
public:
    // Files: name → content (nullptr-like empty QByteArray with a null flag means "absent").
    explicit Testfenster(const QList<QPair<QString, QByteArray>> &dateien = standardDateien(),
                         bool anzeigen = true)
    {
        alterOrdner = QDir::currentPath();
        for (const auto &[name, inhalt] : dateien)
            schreibe(ordner.filePath(name), inhalt);
        QDir::setCurrent(ordner.path());
        fenster = std::make_unique<Main>();
        fenster->setDialoge(std::make_unique<TestDialoge>(gesagt));
        fenster->Form_Load();
        if (anzeigen) {
            fenster->show();
            QApplication::setActiveWindow(fenster.get());
            if (!QTest::qWaitForWindowActive(fenster.get()))
                qWarning("window did not become active");
        }
    }
    ~Testfenster() { QDir::setCurrent(alterOrdner); }

    static QList<QPair<QString, QByteArray>> standardDateien()
    {
        return {{QStringLiteral("bef.txt"), alsDatei(testKatalog())},
                {QStringLiteral("hilfe.txt"),
                 alsDatei({QStringLiteral("Hilfe Zeile 1"), QStringLiteral("Zeile 2")})},
                {QStringLiteral("Anmerk.txt"), alsDatei({QStringLiteral("Regeln")})}};
    }

    Main &w() { return *fenster; }
    QString pfad(const QString &name) const { return ordner.filePath(name); }

    // A user's click on a list entry (the press moves the focus, the release reports the click).
    void listeKlick(int eintrag)
    {
        QListWidget *l = fenster->befwahl[0];
        l->scrollToItem(l->item(eintrag));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(eintrag)).center());
    }
    void klick(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    // Click into a region box and type; the text is evaluated when the box loses the focus.
    void tippeRegion(int row, const QString &text)
    {
        klick(fenster->regio[row]);
        fenster->regio[row]->selectAll();
        QTest::keyClicks(fenster->regio[row], text);
    }

    QTemporaryDir ordner;
    QString alterOrdner;
    Gesagt gesagt;
    std::unique_ptr<Main> fenster;
};
