// The chart dialog on the real window (offscreen platform, example catalogue): one keystroke in a
// tooth field until the proposal table shows the new proposal and the dialog has painted it, on a
// typical chart and on the dearest one (every tooth with a code); and one character typed into
// the chart's text. Each keystroke is timed on its own; goal: one frame, 16 ms.

#include "app/main_window.h"
#include "fenster_zeigen.h"
#include "messung.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace {

using Uhr = std::chrono::steady_clock;

// The median, the slowest and the number of keystrokes, in milliseconds.
struct Ergebnis
{
    double median = 0, max = 0;
    int anzahl = 0;
};

Ergebnis messen(int anzahl, const std::function<void(int)> &taste)
{
    std::vector<double> ms;
    for (int n = 0; n < anzahl; ++n) {
        const auto t0 = Uhr::now();
        taste(n);
        // The table and the fields repaint before the next frame.
        QCoreApplication::processEvents();
        ms.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - t0).count());
    }
    return {median(ms), maximum(ms), anzahl};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int anzahl = argc > 1 ? std::max(2, std::atoi(argv[1])) : 400;
    QDir::setCurrent(QStringLiteral(KALVOMAT_BEISPIEL));
    QApplication app(argc, argv);

    Main fenster;
    if (!fensterZeigen(fenster))
        return 1;
    QTest::keyClick(&fenster, Qt::Key_B, Qt::ControlModifier);
    auto *dialog = fenster.findChild<QDialog *>(QStringLiteral("zahnschema"));
    if (!dialog || !QTest::qWaitForWindowExposed(dialog)) {
        std::fprintf(stderr, "Zahnschema nicht gezeigt\n");
        return 1;
    }
    auto *text = dialog->findChild<QPlainTextEdit *>(QStringLiteral("zahnschemaText"));
    auto *tabelle = dialog->findChild<QTableWidget *>(QStringLiteral("vorschlag"));
    const auto zahn = [dialog](int fdi) {
        return dialog->findChild<QLineEdit *>(QStringLiteral("zahn(%1)").arg(fdi));
    };
    // The chart pasted into its text; leaving the text fills the fields.
    const auto laden = [&](const char *schema) {
        text->setFocus();
        text->setPlainText(QString::fromUtf8(schema));
        zahn(18)->setFocus();
        QCoreApplication::processEvents();
    };

    struct Fall
    {
        std::string name;
        const char *schema;
    };
    const std::vector<Fall> faelle {
        {"typisch: 16 f, 26 f, 36 x, 46 kw, 14 kw", "16 f, 26 f, 36 x, 46 kw, 14 kw, UK bruecke"},
        {"jeder Zahn mit Kürzel",
         "11 ww, 12 f, 13 kw, 14 f, 15 pkw, 16 tw, 17 f, 18 f, 21 ur, 22 x, 23 k, 24 ew, 25 ww, "
         "26 skw, 27 f, 28 f, 31 skw, 32 skw, 33 r, 34 bw, 35 skw, 36 skw, 37 skw, 38 t2w, 41 aw, "
         "42 abw, 43 stw, 44 sew, 45 e, 46 b, 47 k, 48 kein-anker, OK bruecke"},
    };
    Tabelle t({"Taste", "Tasten", "Median ms", "langsamste ms", "Ziel", "erfüllt"});
    for (const Fall &f : faelle) {
        laden(f.schema);
        // 47 alternates between missing and crowned: the proposal of the lower jaw changes with
        // every key.
        QLineEdit *feld = zahn(47);
        feld->setFocus();
        feld->setText(QStringLiteral("k"));
        // One key per call: the code removed, then "f" or "k" typed in turn.
        const Ergebnis e = messen(anzahl, [&](int n) {
            if (n % 2 == 0)
                QTest::keyClick(feld, Qt::Key_Backspace);
            else
                QTest::keyClick(feld, n % 4 == 1 ? 'f' : 'k');
        });
        t.zeile({"Zahnfeld 47, " + f.name, std::to_string(e.anzahl), zahl(e.median, 2),
                 zahl(e.max, 2), "< 16 ms", e.median < 16 ? "ja" : "nein"});
    }
    laden(faelle[1].schema);
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    const Ergebnis e = messen(anzahl, [&](int n) {
        QTest::keyClick(text, n % 2 ? Qt::Key_Backspace : Qt::Key_Semicolon);
    });
    t.zeile({"Text, jeder Zahn mit Kürzel (\";\" / Rücktaste)", std::to_string(e.anzahl),
             zahl(e.median, 2), zahl(e.max, 2), "< 16 ms", e.median < 16 ? "ja" : "nein"});
    t.drucken("Zahnschema: Taste bis zur neuen Vorschlagstabelle (offscreen, beispiel/, "
              + std::to_string(tabelle->rowCount()) + " Befunde in der Tabelle zuletzt)");
    return 0;
}
