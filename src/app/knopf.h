#pragma once

// A command button whose caption wraps at blanks when it is wider than the button, as the narrow
// buttons at the right edge of the window need ("  800      X   600" stands on three lines).

#include <QPushButton>

class Knopf : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *ereignis) override;
};
