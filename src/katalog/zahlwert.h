#pragma once

#include <QStringView>

// The one rule by which catalogue texts become numbers: the first "," becomes ".", then the
// longest leading decimal number is read (blanks skipped, optional sign, digits, optional
// fraction and exponent); no number gives 0. Independent of the user's locale. The result may
// be infinite for texts like 1e999, never NaN.
double zahlwert(QStringView text);
