#pragma once

#include <QStringView>

#include <cstdint>

// The one rule by which catalogue texts become numbers: the first "," becomes ".", then the
// longest leading decimal number is read (blanks skipped, optional sign, digits, optional
// fraction and exponent); no number gives 0. Independent of the user's locale. The result may
// be infinite for texts like 1e999, never NaN.
double zahlwert(QStringView text);

// A finite value rounded to the nearest whole number, an exact half to the even neighbour,
// independent of the floating-point rounding mode in force. Every catalogue number that the plan
// takes as a whole number is rounded so.
double aufGeradeGerundet(double wert);

// The whole number a count limit text stands for: zahlwert(text) rounded like an amount, clamped
// to the 32-bit range (a larger limit cuts nothing, a more negative one is inactive either way).
std::int32_t zaehlgrenze(QStringView text);
