#pragma once

// "Zahnschema …": the dental chart entered as on the Befund row of the Heil- und Kostenplan, and
// the findings it gives, live.
//  - the upper row 18 … 11 | 21 … 28 and the lower row 48 … 41 | 31 … 38, one small field per
//    tooth ("zahn(36)") for its Befund code: typed, or chosen from the allowed codes (Down opens
//    the list); a wrong code is marked at once and named in the field's tooltip;
//  - the two answers where they apply: "braucht keinen Ersatz" at a missing 7 ("ohneErsatz(17)"),
//    "nicht als Brückenanker verwendbar" at an 8 next to a missing 7 ("keinAnker(18)");
//  - the planned care of each jaw ("versorgung(0)" OK, "versorgung(1)" UK);
//  - the whole chart in its text format ("zahnschemaText"), to copy into a file or
//    --vorschlag, or to paste one in;
//  - the proposal ("vorschlag": Nr, Befundtext from the catalogue, Zähne, Anzahl, Begründung,
//    Prüfen; a number the catalogue lacks is marked) and its notes ("hinweise");
//  - "In den Plan übernehmen" ("cmdUebernehmen") and "Schließen".
// The dialog holds no plan: it reports each change of the chart and the wish to take the
// proposal over; the window passes both to the editor. It stays open until it is closed.

#include "zahnschema/vorschlag.h"

#include <QDialog>

#include <array>
#include <map>

class Katalog;
class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

class ZahnschemaDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ZahnschemaDialog(QWidget *fenster);

    // Shows this chart in every field, and its proposal with the texts of this catalogue.
    void zeigen(const Zahnschema &schema, const Katalog &katalog);
    const Zahnschema &zahnschema() const { return schema_; }

Q_SIGNALS:
    // The user changed the chart; a field with a wrong code leaves that tooth as it was.
    void geaendert(const Zahnschema &schema);
    // "In den Plan übernehmen".
    void uebernehmen();

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void anlegen();
    void tabReihenfolgeSetzen();
    void zahnGetippt(int fdi);
    void angabeGeklickt();
    void textGetippt();
    // The fields from the chart (the text field too, unless the user is typing in it).
    void felderFuellen(bool auchText);
    void angabenZeigen();
    void vorschlagZeigen();
    void melden();

    Zahnschema schema_;
    const Katalog *katalog_ = nullptr;
    bool fuellt_ = false; // the dialog itself is filling its fields
    QStringList fehler_; // the wrong codes of the fields, "Zahn 36: „q“"
    bool textFehler_ = false;

    QCompleter *kuerzelWahl_ = nullptr;
    std::map<int, QLineEdit *> zahn_;
    std::map<int, QCheckBox *> ohneErsatz_; // at the 7s
    std::map<int, QCheckBox *> keinAnker_; // at the 8s
    std::array<QComboBox *, 2> versorgung_ {};
    QPlainTextEdit *text_ = nullptr;
    QTableWidget *tabelle_ = nullptr;
    QPlainTextEdit *hinweise_ = nullptr;
    QPushButton *cmdUebernehmen_ = nullptr;
    QPushButton *cmdSchliessen_ = nullptr;
};
