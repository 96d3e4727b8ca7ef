#pragma once

// Finding a finding by keyboard: the entries of the finding list that a search text names, as
// the finding search of a region box offers them while the user types.

#include <QList>
#include <QString>

class Katalog;

// The list entries, in list order, of which every word of the search (split at blanks, case
// ignored) begins the finding's number or stands in its text; an empty search finds all.
// Headings go into no row and are never found; the clear entry is found by its text.
QList<int> befundeFinden(const Katalog &katalog, const QString &suche);
