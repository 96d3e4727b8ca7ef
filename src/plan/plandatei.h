#pragma once

// A plan kept in a file: UTF-8 JSON with a format name and version, holding the patient, the bonus
// level and per row its region text, its finding's number and text, the four single amounts
// (units of 1/10000 EUR) and the count, as the plan stood; from version 2 also the dental chart in
// its text format (version 1 files have none and still open). Reading checks the whole file before
// anything is handed on: a damaged, foreign or newer file gives a German reason instead.
//
//   {"format": "kalvomat-plan", "version": 2, "patient": "Müller,Jörg", "bonusstufe": 1,
//    "zeilen": [{"region": "11 12", "befundnummer": "1.1", "befundtext": "Krone",
//                "betraege": [617800, 700600, 750000, 1000000], "anzahl": 2}, ...],
//    "zahnschema": "16 f\n15 ww\nUK bruecke\n"}
//
// Fields the reader does not know are ignored. An amount that cannot be shown (Überlauf) is null.

#include "plan/plan_state.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

class Katalog;

namespace plandatei {

inline constexpr int formatVersion = 2;
inline constexpr qint64 hoechsteGroesse = 1024 * 1024; // bytes; real plans need a few KB
inline constexpr auto endung = u"kplan";

// Either the plan as it was saved or the German reason why the file is no readable plan. A saved
// plan holds per row the region, the finding's number and text, the single amounts and the count,
// the patient, the chosen level and the dental chart; nothing else (no finding index, limits or
// sums: those are today's catalogue's, when the plan is opened).
struct Gelesen
{
    std::optional<PlanState> plan;
    QString fehler;
};

QByteArray alsJson(const PlanState &plan);
Gelesen lesen(const QByteArray &bytes);

// The finding of today's catalogue with this number and text (the first one, headings never);
// 0 when there is none.
int befundSuchen(const Katalog &katalog, const QString &befnr, const QString &beftext);

// What differs between a saved plan and the plan rebuilt from it with today's catalogue, one
// German line per row: a finding the catalogue lacks, changed amounts, a changed count.
QStringList abweichungen(const PlanState &gespeichert, const PlanState &heute);

// The suggested file name: the patient's name made safe for a file name, the date, a kind such as
// a report's (made safe alike, where given), the ending.
QString dateiname(const QString &patient, QDate datum, const QString &art = QString(),
                  QStringView dateiendung = endung);

} // namespace plandatei
