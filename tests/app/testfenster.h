#pragma once

// The real window in a temporary working folder that holds the files a test gives it, with
// message boxes replaced by a record of what the window said.

#include "app/dialoge.h"
#include "app/main_window.h"

#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

struct Gesagt
{
    QStringList meldungen, fragen;
    bool antwort = false; // to every question
    Dialoge::Sichern sichern = Dialoge::Sichern::abbrechen; // before a plan not saved is closed
    QString pdfPfad, planPfad, vorschlag; // the file dialogs' answers; the name suggested last
};

struct TestDialoge : Dialoge
{
    explicit TestDialoge(Gesagt &gesagt) : g(gesagt) { }
    void meldung(const QString &text) override { g.meldungen << text; }
    bool frage(const QString &text) override { return g.fragen << text, g.antwort; }
    QString pdfSpeicherort(const QString &v) override { return g.vorschlag = v, g.pdfPfad; }
    QString planSpeicherort(const QString &v) override { return g.vorschlag = v, g.planPfad; }
    QString planDatei() override { return g.planPfad; }
    Sichern vorSchliessen(const QString &text) override { return g.fragen << text, g.sichern; }
    Gesagt &g;
};

// A control of the window by its designed name, "regio(3)" or "cmdDrucken", as a user finds it.
template<typename T = QWidget>
T *control(const Main &w, const QString &name)
{
    T *c = w.findChild<T *>(name);
    if (!c)
        qFatal("the window has no control %s", qPrintable(name));
    return c;
}

// Text as the practice's files hold it: Windows-1252, lines ended by CR LF.
inline QByteArray alsDatei(const QStringList &zeilen)
{
    return QStringEncoder("windows-1252").encode(zeilen.join("\r\n") + "\r\n");
}

// A catalogue of tests/app/kataloge (UTF-8, a line of bef.txt a line); test.txt is the one of
// the window tests: two headings and "Krone je Zahn" (entry 2) with services.
inline QStringList katalogZeilen(const QString &name = QStringLiteral("test.txt"))
{
    QFile f(QStringLiteral(KALVOMAT_TESTS "/app/kataloge/") + name);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing catalogue %s", qPrintable(name));
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

class Testfenster
{
public:
    explicit Testfenster(const QList<QPair<QString, QByteArray>> &dateien = standardDateien())
    {
        for (const auto &[name, inhalt] : dateien) {
            QFile f(ordner.filePath(name));
            if (!f.open(QIODevice::WriteOnly) || f.write(inhalt) != inhalt.size())
                qFatal("cannot write %s", qPrintable(name));
        }
        QDir::setCurrent(ordner.path());
        fenster = std::make_unique<Main>();
        fenster->setDialoge(std::make_unique<TestDialoge>(gesagt));
        fenster->Form_Load();
        fenster->show();
        QApplication::setActiveWindow(fenster.get());
        if (!QTest::qWaitForWindowActive(fenster.get()))
            qWarning("window did not become active");
    }
    ~Testfenster() { QDir::setCurrent(alterOrdner); }

    static QList<QPair<QString, QByteArray>> standardDateien()
    {
        return {{"bef.txt", alsDatei(katalogZeilen())},
                {"hilfe.txt", alsDatei({"Hilfe Zeile 1", "Zeile 2"})},
                {"Anmerk.txt", alsDatei({"Regeln"})}};
    }

    Main &w() { return *fenster; }
    template<typename T = QWidget>
    T *c(const QString &name) const
    {
        return control<T>(*fenster, name);
    }
    QString pfad(const QString &name) const { return ordner.filePath(name); }
    void klick(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    // A click on a list entry: the press moves the focus, the release reports the click.
    void listeKlick(int eintrag)
    {
        auto *l = c<QListWidget>("befwahl(0)");
        l->scrollToItem(l->item(eintrag));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(l->item(eintrag)).center());
    }
    // Click into a region box and type; the text is evaluated when the box loses the focus.
    void tippeRegion(int row, const QString &text)
    {
        auto *box = c<QLineEdit>(QStringLiteral("regio(%1)").arg(row));
        klick(box);
        box->selectAll();
        QTest::keyClicks(box, text);
    }

    QTemporaryDir ordner;
    QString alterOrdner = QDir::currentPath();
    Gesagt gesagt;
    std::unique_ptr<Main> fenster;
};
