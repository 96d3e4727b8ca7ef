#pragma once

// The one window of Kalvomat: a view of the plan editor and the place where the user's clicks and
// keys become its operations.
//
// How it is organised:
//  - main_window.cpp    the controls as designed (names, kinds, captions, fonts, design places),
//                       the tab order, and the event filter that turns Qt's events into the
//                       handlers below (focus in/out, click, mouse down/up) with their Index;
//  - form_load.cpp      the start-up: caption, placement, catalogue, layout of rows and sums,
//                       help and rules texts;
//  - planeingabe.cpp    plan entry: the handlers of region boxes, finding list, finding search,
//                       bonus levels and result labels call the editor, and zeigen() shows what
//                       it changed;
//  - details.cpp        the finding's details and exclusion boxes, pressed to show more;
//  - fensteraktionen.cpp  help/rules panels, screen toggle, support link, the print choice;
//  - planablage.cpp     saving and opening plan files, reports as PDF files, the context menu,
//                       and the question before a plan that was not saved is closed;
//  - zahnschema_fenster.cpp  the dental chart dialog (Strg+B): its chart goes to the editor, its
//                       proposal into the plan.
// The plan itself lives in the editor (plan/planeditor.h); the print run's surfaces and questions
// in a Druckauftrag. Every control has an object name after its designed name ("regio(3)",
// "cmdDrucken"), by which the tests find it like a user finds it on the screen.

#include "app/druckauftrag.h"
#include "plan/planeditor.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class Befundsuche;
class Beschriftung;
class Dialoge;
class Druckflaeche;
class QAction;
class QGroupBox;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Seitenoeffner;
class ZahnschemaDialog;

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

    // The start-up: caption, placement, catalogue, layout, help and rules texts.
    void Form_Load();

    // The plan the window shows. It changes only through the user's actions on the window.
    const Planeditor &editor() const { return editor_; }

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;
    void contextMenuEvent(QContextMenuEvent *ereignis) override;
    void closeEvent(QCloseEvent *ereignis) override;

private:
    // Start-up
    void spaltenkoepfe_setzen();
    void befunde_laden();
    void Hilfe_laden();
    void anmerk_laden();
    // Layout functions with a remembered base: a negative argument -b stores b as the base.
    int zeile_y(int i);
    int spalte_x(int i);

    // Plan entry
    void regio_Click(int Index);
    void regio_GotFocus(int Index);
    void regio_lostfocus(int Index);
    void regio_auswerten(int row);
    // Enter and Ctrl+Space open the finding search, Up and Down go to the row above or below;
    // true when the key was one of these.
    bool regio_KeyDown(int Index, const QKeyEvent *taste);
    void befundsuche_Gewaehlt(int i);
    void zeile_waehlen(int Index, int Schritt);
    void befwahl_GotFocus(int Index);
    void befwahl_Click(int Index);
    void bonus_Click(int Index);
    void erg_Click(int Index);
    // Shows what an operation of the editor changed.
    void zeigen(const Aenderung &aenderung);
    void zeileZeigen(int row);
    void summenZeigen();
    void stufeZeigen();
    void zeileMarkieren(int row, bool aktuell);
    // A region still being typed counts as when its box is left.
    void offeneRegionUebernehmen();

    // Details of the finding chosen last, and its exclusion boxes
    void detailsZeigen();
    void lblbefund_Mousedown(int Index);
    void lblbefund_Mouseup(int Index);
    void txtnicht_Mousedown(QPlainTextEdit *box);
    void txtnicht_Mouseup(QPlainTextEdit *box);
    void txtnicht_LostFocus(QPlainTextEdit *box);

    // Panels, screen toggle, support link, print choice
    void cmdHilfe_Click();
    void cmdAnmerk_Click();
    void cmdAufAb_Click();
    void lblVelmar_Click();
    void cmdDrucken_Click();
    void druckwahl_zeigen();
    void cmdDruckwahl_Click(int Index);
    void druckwahlBeschriften();

    // Plan files and PDF reports (Strg+S, Strg+O, Strg+P and the context menu)
    void aktionenAnlegen();
    // True when the plan was written; false when the user cancelled or writing failed.
    bool plan_speichern();
    void plan_oeffnen();
    void pdf_wahl_zeigen();

    // The dental chart dialog (Strg+B and the context menu)
    void zahnschema_zeigen();
    void vorschlag_uebernehmen();

    // Building the window
    void controlsAnlegen();
    void tabReihenfolgeSetzen();
    void barrierefreiBenennen();
    void ereignisseVerbinden();
    void setzeGeometrie(QWidget *w, int left, int top, int width, int height);
    void setzeTop(QWidget *w, int top);
    void setzeLeft(QWidget *w, int left);
    void setzeHoehe(QWidget *w, int height);
    void setzeBreite(QWidget *w, int width);

    Planeditor editor_;
    Druckauftrag druckauftrag_;
    std::unique_ptr<Dialoge> dialoge_;
    std::unique_ptr<Seitenoeffner> seitenoeffner_;

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
    std::array<QRadioButton *, PlanState::stufen> bonus {};
    std::array<Beschriftung *, PlanState::stufen> lblBonus {};
    std::array<QLineEdit *, PlanState::zeilen> regio {};
    QListWidget *befwahl = nullptr; // befwahl(0), the one element of its control array
    Befundsuche *befundsuche = nullptr; // the popup of a region box, for the keyboard
    std::array<Beschriftung *, PlanState::zeilen> erg_befund {};
    std::array<Beschriftung *, PlanState::zeilen> erg_anz {};
    std::array<Beschriftung *, PlanState::zeilen> erg_einfach {};
    std::array<Beschriftung *, PlanState::zeilen> erg_befsum {};
    std::array<Beschriftung *, 6> lblhead {};
    std::array<Beschriftung *, Katalog::gruppenAnzahl> befgr {};
    std::array<Beschriftung *, PlanState::stufen> festsum {};
    std::array<Beschriftung *, PlanState::stufen> eigenanteil {};
    QAction *aktOeffnen = nullptr;
    QAction *aktSpeichern = nullptr;
    QAction *aktPdf = nullptr;
    QAction *aktZahnschema = nullptr;
    ZahnschemaDialog *zahnschemaDialog = nullptr; // made when it is first opened

    // Window state
    int listhoehe = 0;
    bool hilfe_gezeigt = false;
    int zeileYBasis_ = 0;
    int spalteXBasis_ = 0;
    bool ersterFokusErhalten_ = false;
    bool listeMausDruck_ = false;
    bool auswahlPerTaste_ = false;
    bool pdfWahl_ = false; // the print choice shown writes a PDF file instead of printing
};
