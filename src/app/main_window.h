#pragma once

// The one window of Kalvomat.
//
// How it is organised:
//  - main_window.cpp    the controls as designed (names, kinds, captions, fonts, design places),
//                       the tab order, and the event filter that turns Qt's events into the
//                       handlers below (focus in/out, click, mouse down/up) with their Index;
//  - form_load.cpp      the start-up: caption, placement, catalogue, layout of rows and sums,
//                       help and rules texts;
//  - planeingabe.cpp    plan entry: region boxes, finding list, bonus levels, result labels,
//                       exclusion boxes and detail labels; the arithmetic itself is the core's;
//  - fensteraktionen.cpp  help/rules panels, screen toggle, support link, print choice and run;
//  - planablage.cpp     saving and opening plan files, reports as PDF files, the context menu.
// Controls are public, as on a form: the tests read them like a user looks at the window.

#include "katalog/katalog.h"
#include "leistungen/leistarray.h"
#include "plan/plan_state.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class Beschriftung;
class QAction;
class Dialoge;
class Druckflaeche;
class Seitenoeffner;

class Main : public QWidget
{
    Q_OBJECT
public:
    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    // Where the window's questions and messages go (message boxes unless a test sets others).
    void setDialoge(std::unique_ptr<Dialoge> dialoge);
    // How a print run gets its surface (the default printer unless a test sets another).
    void setDruckerFabrik(std::function<std::unique_ptr<Druckflaeche>()> fabrik);
    // How a PDF file surface is made when the user saves a report instead of printing it.
    void setPdfFabrik(std::function<std::unique_ptr<Druckflaeche>(const QString &)> fabrik);
    // What opens the support page (the desktop's browser unless a test sets another).
    void setSeitenoeffner(std::unique_ptr<Seitenoeffner> oeffner);

    // Start-up
    void Form_Load();
    void spaltenkoepfe_setzen();
    void befunde_laden();
    void Hilfe_laden();
    void anmerk_laden();

    // Plan entry
    void regio_Click(int Index);
    void regio_GotFocus(int Index);
    void regio_lostfocus(int Index);
    void regio_auswerten(int row);
    void zeile_waehlen(int Index, int Schritt);
    void befwahl_GotFocus(int Index);
    void befwahl_LostFocus(int Index);
    void befwahl_Click(int Index);
    int aktzeile_lesen() const { return plan.aktzeile; }
    void bonus_Click(int Index);
    void berechne_erg(int row);
    void berechne_allerg();
    void berechne_Festsum();
    void erg_befund_Click(int Index);
    void erg_anz_Click(int Index);
    void erg_einfach_Click(int Index);
    void erg_befsum_Click(int Index);
    void lblbefund_Mousedown(int Index);
    void lblbefund_Mouseup(int Index);
    void txtnichtz_Mousedown();
    void txtnichtz_Mouseup();
    void txtnichtz_LostFocus();
    void txtnichtk_Mousedown();
    void txtnichtk_Mouseup();
    void txtnichtk_LostFocus();

    // Panels, screen toggle, support link
    void cmdHilfe_Click();
    void cmdAnmerk_Click();
    void cmdAufAb_Click();
    void lblVelmar_Click();

    // Printing
    void cmdDrucken_Click();
    void druckwahl_zeigen();
    void cmdDruckwahl_Click(int Index);
    void druck(int incl);

    // Plan files and PDF reports (Strg+S, Strg+O, Strg+P and the context menu)
    void plan_speichern();
    void plan_oeffnen();
    void pdf_wahl_zeigen();
    void pdf_schreiben(int incl);
    QAction *aktOeffnen = nullptr;
    QAction *aktSpeichern = nullptr;
    QAction *aktPdf = nullptr;

    // Controls
    QPlainTextEdit *txtanmerk = nullptr;
    QPushButton *cmdAnmerk = nullptr;
    QPlainTextEdit *txtnichtz = nullptr;
    QPlainTextEdit *txtnichtk = nullptr;
    Beschriftung *lblNichtzahn = nullptr;
    Beschriftung *lblNichtKiefer = nullptr;
    QGroupBox *FrameVelmar = nullptr;
    Beschriftung *lblVelmar = nullptr;
    Beschriftung *lblvelmarBild = nullptr;
    QGroupBox *drkframe = nullptr;
    QPlainTextEdit *txtHilfe = nullptr;
    QPushButton *cmdDrucken = nullptr;
    QPushButton *cmdHilfe = nullptr;
    QPushButton *cmdAufAb = nullptr;
    QLineEdit *Patient = nullptr;
    Beschriftung *lblEigenanteil = nullptr;
    Beschriftung *lblsumfest = nullptr;
    std::array<Beschriftung *, 4> lblbefund {};
    std::array<QPushButton *, 8> cmdDruckwahl {};
    std::array<QRadioButton *, 4> bonus {};
    std::array<Beschriftung *, 4> lblBonus {};
    std::array<QLineEdit *, PlanState::zeilen> regio {};
    std::array<QListWidget *, 1> befwahl {};
    std::array<Beschriftung *, PlanState::zeilen> erg_befund {};
    std::array<Beschriftung *, PlanState::zeilen> erg_anz {};
    std::array<Beschriftung *, PlanState::zeilen> erg_einfach {};
    std::array<Beschriftung *, PlanState::zeilen> erg_befsum {};
    std::array<Beschriftung *, 6> lblhead {};
    std::array<Beschriftung *, Katalog::gruppenAnzahl> befgr {};
    std::array<Beschriftung *, 4> festsum {};
    std::array<Beschriftung *, 4> eigenanteil {};

    // Window state
    Katalog katalog;
    PlanState plan;
    // The finding index chosen for each row (0 for none), so that a report lists the services of
    // the very finding that was chosen even where two findings share a text.
    std::array<int, PlanState::zeilen> zeilenBefund {};
    Leistarray leistarray_BEMA {Leistarray::bemaGroesse};
    Leistarray leistarray_BEL {Leistarray::belGroesse};
    int listhoehe = 0;
    bool hilfe_gezeigt = false;
    QString nichtz_text;
    QString nichtk_text;
    // The panel texts exactly as loaded: every line of the file followed by CR LF.
    QString hilfeText;
    QString anmerkText;

    // Layout functions with a remembered base: a negative argument -b stores b as the base.
    int zeile_y(int i);
    int spalte_x(int i);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void contextMenuEvent(QContextMenuEvent *ereignis) override;

private:
    void controlsAnlegen();
    void tabReihenfolgeSetzen();
    void barrierefreiBenennen();
    void ereignisseVerbinden();
    void setzeGeometrie(QWidget *w, int left, int top, int width, int height);
    void setzeTop(QWidget *w, int top);
    void setzeLeft(QWidget *w, int left);
    void setzeHoehe(QWidget *w, int height);
    void setzeBreite(QWidget *w, int width);
    void zeileMarkieren(int row, bool aktuell);
    QString geldText(Geld betrag) const;
    void rowAnzeigen(int row);
    bool drucken(Druckflaeche &flaeche, int incl);
    void aktionenAnlegen();
    void befundWaehlen(int i);

    int zeileYBasis_ = 0;
    int spalteXBasis_ = 0;
    bool ersterFokusErhalten_ = false;
    bool listeMausDruck_ = false;
    bool auswahlPerTaste_ = false;
    bool pdfWahl_ = false; // the print choice shown writes a PDF file instead of printing
    std::unique_ptr<Dialoge> dialoge_;
    std::unique_ptr<Seitenoeffner> seitenoeffner_;
    std::function<std::unique_ptr<Druckflaeche>()> druckerFabrik_;
    std::function<std::unique_ptr<Druckflaeche>(const QString &)> pdfFabrik_;
};
