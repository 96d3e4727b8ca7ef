#pragma once

// The chart as text, as the command line, the chart dialog and the plan file exchange it:
//   36 f                 a tooth and its code
//   17 f ohne-ersatz     with an answer (ohne-ersatz, kein-anker)
//   18 kein-anker        an answer alone leaves the tooth sound
//   OK kombination       the planned care of a jaw
// Entries end at a line end, "," or ";"; "#" starts a comment up to the line end; blanks
// separate the words; case does not matter. A tooth not named is present and sound.

#include "zahnschema/zahnschema.h"

struct Lesefehler
{
    int zeile = 0; // from 1
    int wort = 0; // from 1, counted over the whole line
    QString wortText;
    QString text; // what is wrong, in German
    bool operator==(const Lesefehler &) const = default;
};

struct GelesenesZahnschema
{
    Zahnschema schema; // with errors: what was read before and around them, not to be used
    QList<Lesefehler> fehler; // in the order of the text
};

GelesenesZahnschema zahnschemaLesen(QStringView text);

// "Zeile 2, Wort 3 („q“): …"
QString alsText(const Lesefehler &f);

// The canonical text of a chart: one entry per line, teeth in ascending order, the care of
// OK and UK last; sound teeth without answer and jaws without care are left out. Answers that
// do not fit their tooth are dropped, so the text always reads back without error.
QString zahnschemaText(const Zahnschema &schema);
