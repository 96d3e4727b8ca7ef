#pragma once

// The findings a dental chart gives, as a proposal for the dentist: classes 1 to 4, 7.1/7.2,
// and class 5 for an interim care. Each finding names the rule that gives it and, where it
// rests on an open point of the rules or on an answer the chart does not hold, what to check.

#include "zahnschema/zahnschema.h"

#include <QStringList>

struct VorgeschlagenerBefund
{
    QString nr; // "2.1"
    int anzahl = 1; // at least 1
    QList<int> zaehne; // ascending; for a finding per jaw the teeth it replaces
    Kiefer kiefer = Kiefer::OK;
    bool jeKiefer = false; // counted per jaw: its plan row names OK or UK, not the teeth
    QString grund; // the rule, in German
    QString pruefen; // what the dentist should check; empty when nothing
    bool operator==(const VorgeschlagenerBefund &) const = default;
};

struct Vorschlag
{
    // By jaw (OK first), then by finding number; one entry per number and jaw.
    QList<VorgeschlagenerBefund> befunde;
    // Notes that belong to no single finding: what the chart cannot decide, what depends on a
    // care not given.
    QStringList hinweise;
    bool operator==(const Vorschlag &) const = default;
};

// A pure function: the same chart always gives the same proposal.
Vorschlag vorschlagen(const Zahnschema &schema);

// Finding numbers in their numeric order: 2.7 before 2.10.
bool nummerVor(const QString &a, const QString &b);
