#pragma once

// The proposal as "kalvomat --vorschlag" prints it.

#include "zahnschema/vorschlag.h"

// One line per finding: number, count, teeth (OK or UK for a finding per jaw), reason and what
// to check; then one line per note. "Kein Befund vorgeschlagen." when there is no finding.
QString vorschlagAlsText(const Vorschlag &v);

// One JSON object in one line:
// {"befunde":[{"nr":…,"anzahl":…,"zaehne":[…],"grund":…,"pruefen":…}],"hinweise":[…]}
QString vorschlagAlsJson(const Vorschlag &v);
