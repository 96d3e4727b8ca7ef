#pragma once

// Faces and sizes chosen by their metrics: the window's boxes keep their designed places and
// sizes, and the face that stands in for the designed one must let them hold their texts whole.

#include <QFont>
#include <QSizeF>
#include <QStringList>

// The widest figures a money label can show: the lowest 32-bit amount and the overflow mark.
QStringList breitesteBetraege();

// The face for figures in narrow boxes: a narrow sans face where the machine has one.
QFont schmaleSchrift();

// The first of the faces, at the largest size (at most the first face's own size, in steps of a
// quarter point) at which each of texte fits into raum (pixels): no wider than raum, and one
// line no higher than raum. At each size the faces are tried in their order.
QFont passendeSchrift(const QList<QFont> &schriften, const QStringList &texte, QSizeF raum);
