#pragma once

// The finding list. Qt reports a click only when the button goes down and up on the same entry;
// a user who presses on one entry and lets go on another sees the second one highlighted, and it
// has to be chosen like a click on it.

#include <QListWidget>

class Befundliste : public QListWidget
{
    Q_OBJECT
public:
    explicit Befundliste(QWidget *parent = nullptr);

Q_SIGNALS:
    // The button went down on one entry and came up with another one highlighted.
    void gezogenGewaehlt();

protected:
    void mousePressEvent(QMouseEvent *ereignis) override;
    void mouseReleaseEvent(QMouseEvent *ereignis) override;

private:
    bool gedruecktAufEintrag_ = false;
    bool geklickt_ = false;
};
