#pragma once

// The rules behind vorschlagen(), one jaw at a time: what the chart says about the jaw
// (Kieferlage), which gap situation it is (einstufen), and the findings of each class.

#include "zahnschema/vorschlag.h"

#include <QMap>
#include <QSet>

// A gap bounded by teeth: its missing teeth in the order of the form and the two teeth that
// border it.
struct Luecke
{
    QList<int> zaehne;
    int vorn = 0;
    int hinten = 0;
};

// Side 0 is the patient's right (quadrant 1 or 4), side 1 the left.
struct Kieferlage
{
    const Zahnschema *schema = nullptr;
    Kiefer kiefer = Kiefer::OK;
    QList<int> bogen; // the teeth in the order of the form, without gap closures
    std::array<QList<int>, 2> endstueck; // missing teeth 1–7 at each end of the row
    std::array<bool, 2> freiend {};
    QList<Luecke> luecken; // bounded gaps; a lone 7 that needs no replacement is none
    int fehlend = 0; // missing teeth 1–7, also those that need no replacement
    std::array<int, 2> seitenzahn {}; // missing teeth 4–7 of each side
    QList<int> rest; // natural teeth and roots, 8s included
    QList<int> implantate;
    QList<int> achter; // natural 8s
    QList<int> ersetzen; // missing teeth to be replaced: no 8s, no 7 that needs none

    Kuerzel kuerzel(int fdi) const { return schema->befund(fdi).kuerzel; }
    Zahnart art(int fdi) const { return zahnart(kuerzel(fdi)); }
    bool natuerlich(int fdi) const
    {
        return Zahnschema::istZahn(fdi) && art(fdi) == Zahnart::natuerlich;
    }
};

Kieferlage kieferlage(const Zahnschema &schema, Kiefer k);

enum class Stufe { keine, klasse2, klasse3, klasse4 };

struct Einstufung
{
    Stufe stufe = Stufe::keine;
    QStringList gruende; // why the jaw is class 3
    QStringList pruefen; // open points that made it class 3
    QList<QList<Luecke>> ketten; // class 2: gaps chained by single teeth
};

Einstufung einstufen(const Kieferlage &l);

// The findings and notes of one jaw while they are collected.
struct Kiefervorschlag
{
    Kiefer kiefer = Kiefer::OK;
    QList<VorgeschlagenerBefund> befunde;
    QStringList hinweise;
    QSet<int> ohneKlasse1; // bridge abutments and anchors: their crown is in another finding
    QList<int> kronen; // natural teeth that get a crown, for the note on posts
    QList<Luecke> brueckenluecken; // the gaps of 2.1 to 2.5
    QStringList kieferPruefen; // open points of the jaw, put on its finding of the gap class
    qsizetype haupt = -1; // that finding

    // Without anzahl the finding counts its teeth.
    void befund(const QString &nr, QList<int> zaehne, const QString &grund,
                const QString &pruefen = {}, int anzahl = 0);
};

// The findings of the jaw's gap situation (classes 2 to 5) and the notes on its planned care.
void kieferBefunde(const Kieferlage &l, const Einstufung &e, Kiefervorschlag &v);
// Class 2: 2.1 to 2.5 and 2.7.
void lueckenBefunde(const Kieferlage &l, const Einstufung &e, Kiefervorschlag &v);
// A bridge finding for the given gaps; its abutments get no class 1.
void brueckenBefund(const Kieferlage &l, const QString &nr, const QList<Luecke> &luecken,
                    const QString &vorsatz, Kiefervorschlag &v);
// 2.7 for the given gaps: pontics and abutments in the veneer area.
void verblendBefund(const Kieferlage &l, const QList<Luecke> &luecken, const QString &pruefen,
                    Kiefervorschlag &v);
// Classes 1 and 7 on every tooth that is not in ohneKlasse1.
void einzelzahnBefunde(const Kieferlage &l, Kiefervorschlag &v);
// The class-1 finding a code asks for: "1.1", "1.2" or none.
QString klasse1(Kuerzel k);

QList<int> sortiert(QList<int> zaehne);
QList<Luecke> sortiert(QList<Luecke> luecken); // by their lowest tooth
// Texts, always in ascending order: "36", "35 und 37", "13, 14 und 15"; "35, 36".
QString liste(const QList<int> &zaehne);
QString komma(const QList<int> &zaehne);
QString seite(int s); // "rechts", "links"
int quadrant(Kiefer k, int seite); // 1 and 2 in the upper jaw, 4 and 3 in the lower
bool imVerblendbereich(int fdi); // 15–25, 34–44
QString verblendbereich(Kiefer k);
