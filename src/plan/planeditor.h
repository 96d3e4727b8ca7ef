#pragma once

// The plan as the user edits it, without a window. Every operation is one action of the user:
// type a region into a row, choose a finding for the current row, choose the bonus level, type
// the patient's name, move the current row, clear a row, open a saved plan, enter the dental
// chart, take the findings it proposes into the plan. Each updates the plan
// once and says what changed, so that a view shows exactly that. The window is such a view; plan
// files, the chart dialog and the tests drive the same operations.

#include "katalog/katalog.h"
#include "plan/plan_state.h"
#include "plan/vorschlag_uebernahme.h"

#include <QByteArray>
#include <QStringList>

#include <bitset>

// What an operation changed.
struct Aenderung
{
    std::bitset<PlanState::zeilen> zeilen; // rows whose region, finding, count or amounts changed
    bool summen = false; // the totals and own shares of the four levels
    bool stufe = false; // the chosen level: every row shows the amounts of another level
    bool aktzeile = false; // the current row was set (the view puts the cursor into it)
    int vorher = 0; // the current row before the operation
    bool details = false; // the finding whose texts the details show was chosen
    bool patient = false;
    bool zahnschema = false; // the dental chart
};

class Planeditor
{
public:
    // The catalogue the findings come from; the plan stays as it is.
    void katalogSetzen(Katalog katalog);
    const Katalog &katalog() const { return katalog_; }
    const PlanState &plan() const { return plan_; }
    // The finding chosen last in the list (0 at start and after opening a plan): the details show
    // its texts, headings and the clear entry included.
    int gezeigt() const { return gezeigt_; }

    // The region text of a row, cleaned and counted within the limits of the row's finding.
    Aenderung regionEingeben(int row, const QString &text);
    // The entry i (0..70) of the finding list: its texts go to the details; a heading changes no
    // row; any other finding goes into the current row (the clear entry 0 clears it), its region
    // is counted anew and the current row moves on, the last row staying where it is.
    Aenderung befundWaehlen(int i);
    Aenderung bonusWaehlen(int stufe);
    Aenderung patientEingeben(const QString &name);
    // Makes the row (0..19, a row beyond them stands for the nearest) the current row.
    Aenderung zeileWaehlen(int row);
    // Takes the finding out of a row; its region stays.
    Aenderung zeileLeeren(int row);
    // Replaces the plan by a saved one, row by row with the finding of today's catalogue that has
    // the saved number and text (none where the catalogue lacks it), today's amounts and limits,
    // and the count of the saved region. The current row is the first one without a finding (the
    // last row when all have one), so that the next click on a finding overwrites nothing.
    // `abweichungen` gets one German line for each row that differs from the saved plan.
    Aenderung planOeffnen(const PlanState &gespeichert, QStringList &abweichungen);
    // The dental chart kept with the plan; the rows stay as they are.
    Aenderung zahnschemaEingeben(const Zahnschema &schema);
    // Puts each proposed finding into the next free row (one without finding and region), from
    // the top: the finding of the catalogue with its number, the region its teeth (OK or UK for a
    // finding per jaw), counted within the finding's limits as if typed. A number the catalogue
    // lacks takes no row. With fewer free rows than findings to place nothing changes. The
    // current row is then the first one without a finding. `bericht` says what differs from the
    // proposal: other counts, numbers the catalogue lacks, or the rows that are missing.
    Aenderung vorschlagUebernehmen(const Vorschlag &vorschlag, Uebernahmebericht &bericht);

    // The plan as it stands has been saved.
    void planGespeichert();
    // True when the plan holds a finding or a dental chart and would be saved otherwise than it
    // was last saved or opened (never saved: always): ending the program now would lose work.
    bool ungesichert() const;

private:
    Katalog katalog_;
    PlanState plan_;
    int gezeigt_ = 0;
    QByteArray gesichert_; // the plan file of the plan last saved or opened
};
