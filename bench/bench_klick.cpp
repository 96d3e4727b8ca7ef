// Interaction benchmark on the real window (offscreen platform, example catalogue): one mouse click
// on an entry of the finding list with everything it recalculates and shows, leaving a region box
// (the window evaluates the region), and the region evaluation of the core (regionAuswerten).
// Every call is timed on its own; the table shows the median over all calls and the median of the
// batch means.

#include "app/main_window.h"
#include "fenster_zeigen.h"
#include "messung.h"
#include "plan/region.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <functional>

namespace {

using Uhr = std::chrono::steady_clock;

double mikro(Uhr::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Ergebnis
{
    double medianJeAufruf = 0;
    double medianBatch = 0; // median of the batch means
    double min = 0;
    int aufrufe = 0;
};

// vorher() runs untimed before each call, aufruf() is timed.
Ergebnis messen(int batches, int jeBatch, const std::function<void(int)> &vorher,
                const std::function<void(int)> &aufruf)
{
    std::vector<double> einzeln;
    std::vector<double> batchMittel;
    int n = 0;
    for (int b = 0; b < batches; ++b) {
        double summe = 0;
        for (int k = 0; k < jeBatch; ++k, ++n) {
            vorher(n);
            const auto t0 = Uhr::now();
            aufruf(n);
            const double us = mikro(Uhr::now() - t0);
            einzeln.push_back(us);
            summe += us;
        }
        batchMittel.push_back(summe / jeBatch);
    }
    return {median(einzeln), median(batchMittel), minimum(einzeln), n};
}

// The same for a call that is too short to time alone: each batch is timed as a whole.
Ergebnis messenKurz(int batches, int jeBatch, const std::function<void(int)> &aufruf)
{
    std::vector<double> batchMittel;
    for (int b = 0; b < batches; ++b) {
        const auto t0 = Uhr::now();
        for (int k = 0; k < jeBatch; ++k)
            aufruf(k);
        batchMittel.push_back(mikro(Uhr::now() - t0) / jeBatch);
    }
    return {median(batchMittel), median(batchMittel), minimum(batchMittel), batches * jeBatch};
}

volatile std::int64_t senke = 0; // keeps results alive

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const int batches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QDir::setCurrent(QStringLiteral(KALVOMAT_BEISPIEL));
    QApplication app(argc, argv);

    Main fenster;
    if (!fensterZeigen(fenster))
        return 1;

    // The findings clicked in turn: 1.1 and 1.2, whose long "not billable" texts both change
    // with every click (the dearest case); 2.1 to 2.5, which share their texts (a click within a
    // group); and every finding of the example catalogue in list order (a mix).
    const Katalog &katalog = fenster.editor().katalog();
    auto nachNummer = [&](const QStringList &nummern) {
        std::vector<int> v;
        for (const QString &nr : nummern)
            for (int i = 1; i <= katalog.anzahlBefunde(); ++i)
                if (katalog.befund(i).befnr == nr)
                    v.push_back(i);
        return v;
    };
    std::vector<int> alle;
    for (int i = 1; i <= katalog.anzahlBefunde(); ++i)
        if (!katalog.istUeberschrift(i))
            alle.push_back(i);
    struct Fall
    {
        std::string name;
        std::vector<int> befunde;
    };
    const std::vector<Fall> faelle {
        {"Klick in die Befundliste, 1.1/1.2 im Wechsel", nachNummer({"1.1", "1.2"})},
        {"Klick in die Befundliste, 2.1 bis 2.5", nachNummer({"2.1", "2.2", "2.3", "2.4", "2.5"})},
        {"Klick in die Befundliste, alle Befunde der Reihe nach", alle},
    };
    for (const Fall &f : faelle)
        if (f.befunde.size() < 2) {
            std::fprintf(stderr, "Beispielkatalog ohne die Befunde für \"%s\"\n", f.name.c_str());
            return 1;
        }
    auto *liste = fenster.findChild<QListWidget *>(QStringLiteral("befwahl(0)"));
    const auto regio = [&](int row) {
        return fenster.findChild<QLineEdit *>(QStringLiteral("regio(%1)").arg(row));
    };
    constexpr int zeilen = PlanState::zeilen - 1; // rows 0..18 move on to the next row

    // Before each click, as when the user has already pressed the button on the entry: the list
    // has the focus and the entry is the current one (list signals blocked, so that only the
    // timed click runs the choice). Every 19 clicks row 0 is made the current row again.
    std::vector<Ergebnis> klicks;
    QPoint stelle;
    for (const Fall &f : faelle) {
        auto klickVorher = [&](int n) {
            if (n % zeilen == 0)
                QTest::mouseClick(regio(0), Qt::LeftButton);
            QListWidgetItem *eintrag =
                liste->item(f.befunde[static_cast<std::size_t>(n) % f.befunde.size()]);
            liste->setFocus(Qt::MouseFocusReason);
            QSignalBlocker sperre(liste);
            liste->setCurrentItem(eintrag);
            liste->scrollToItem(eintrag);
            stelle = liste->visualItemRect(eintrag).center();
        };
        klicks.push_back(messen(batches, zeilen, klickVorher, [&](int) {
            QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, stelle);
        }));
    }

    // What Qt alone takes to show one of those long texts in the box.
    const QString langerText[2] = {katalog.befund(faelle[0].befunde[0]).befnichtz,
                                   katalog.befund(faelle[0].befunde[1]).befnichtz};
    auto *kastenFeld = fenster.findChild<QPlainTextEdit *>(QStringLiteral("txtnichtz"));
    const Ergebnis kasten = messen(
        batches, zeilen, [](int) {}, [&](int n) { kastenFeld->setPlainText(langerText[n % 2]); });

    // Leaving a region box of a row with a finding, with the text as typed: the window evaluates
    // it, counts it and shows the row and the sums.
    const QString eingabe = QStringLiteral("11,12  21 OK");
    auto regioVorher = [&](int n) {
        regio(n % zeilen)->setFocus(Qt::MouseFocusReason);
        regio(n % zeilen)->setText(eingabe);
    };
    const Ergebnis regioFenster = messen(batches, zeilen, regioVorher, [&](int n) {
        regio(n % zeilen + 1)->setFocus(Qt::MouseFocusReason);
    });

    // The core alone: a short region and a full jaw list, with the limits of a finding that
    // counts teeth (32) and with no active limit.
    const std::array<std::int64_t, 4> jeZahn {32, -1, -1, -1};
    const std::array<std::int64_t, 4> ohneGrenze {-1, -1, -1, -1};
    const QString lang = QStringLiteral("18 17 16 15 14 13 12 11 21 22 23 24 25 26 27 28");
    const Ergebnis kernKurz = messenKurz(
        batches, 1000, [&](int) { senke = senke + regionAuswerten(eingabe, jeZahn).anzahl; });
    const Ergebnis kernLang = messenKurz(
        batches, 1000, [&](int) { senke = senke + regionAuswerten(lang, ohneGrenze).anzahl; });

    Tabelle t({"Aufruf", "Aufrufe", "Median µs/Aufruf", "Median der Batch-Mittel µs", "Min µs",
               "Ziel", "erfüllt"});
    for (std::size_t k = 0; k < faelle.size(); ++k) {
        const Ergebnis &e = klicks[k];
        t.zeile({faelle[k].name, std::to_string(e.aufrufe), zahl(e.medianJeAufruf, 2),
                 zahl(e.medianBatch, 2), zahl(e.min, 2), "< 50 µs",
                 e.medianJeAufruf < 50 ? "ja" : "nein"});
    }
    t.zeile({"  davon Qt: QPlainTextEdit::setPlainText, " + std::to_string(langerText[0].size())
                 + " Zeichen",
             std::to_string(kasten.aufrufe), zahl(kasten.medianJeAufruf, 2),
             zahl(kasten.medianBatch, 2), zahl(kasten.min, 2), "-", "-"});
    t.zeile({"Region \"11,12  21 OK\" verlassen", std::to_string(regioFenster.aufrufe),
             zahl(regioFenster.medianJeAufruf, 2), zahl(regioFenster.medianBatch, 2),
             zahl(regioFenster.min, 2), "-", "-"});
    t.zeile({"regionAuswerten \"11,12  21 OK\"", std::to_string(kernKurz.aufrufe),
             zahl(kernKurz.medianJeAufruf, 3), zahl(kernKurz.medianBatch, 3), zahl(kernKurz.min, 3),
             "-", "-"});
    t.zeile({"regionAuswerten 16 Zähne", std::to_string(kernLang.aufrufe),
             zahl(kernLang.medianJeAufruf, 3), zahl(kernLang.medianBatch, 3), zahl(kernLang.min, 3),
             "-", "-"});
    t.drucken("Finding click and region evaluation (offscreen window, beispiel/, "
              + std::to_string(batches) + " batches)");
    return 0;
}
