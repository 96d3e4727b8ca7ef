#pragma once

// The finding search of a region box, for choosing a finding without the mouse: Enter or
// Ctrl+Space in the box opens it below the box (above it near the window's foot). It shows the
// search text and the findings that match it (by number or text, see katalog/suche.h), filtered
// as the user types. Up and Down move in the list, Enter or a click takes the highlighted finding,
// Escape or a click elsewhere closes it and changes nothing. The list has the keyboard focus, so
// that a screen reader follows the highlighted finding; typed text goes to the search text.

#include <QFrame>

class Katalog;
class QLineEdit;
class QListWidget;

class Befundsuche : public QFrame
{
    Q_OBJECT
public:
    explicit Befundsuche(QWidget *fenster);

    // Opens at the box with an empty search; the finding `aktuell` of the box's row is
    // highlighted, or else the first finding.
    void oeffnen(const Katalog &katalog, QWidget *box, int zeile, int aktuell);

Q_SIGNALS:
    // The user took entry i of the finding list (0 the clear entry); the search is closed.
    void gewaehlt(int i);

protected:
    bool eventFilter(QObject *objekt, QEvent *ereignis) override;

private:
    void filtern(int bevorzugt);
    void nehmen();

    const Katalog *katalog_ = nullptr;
    QLineEdit *suchtext_ = nullptr;
    QListWidget *suchliste_ = nullptr;
};
