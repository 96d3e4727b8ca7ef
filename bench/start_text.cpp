// A second comparison for the start-up: the bare window with one line of text on it. The first
// text a program shows loads the system's font configuration and a font; a window without any
// text never does, so this shows what that alone costs.

#include "gezeigt.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GezeigtMelder melder;
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Kalvomat 1.3"));
    fenster.setGeometry(30, 0, 735, 733);
    auto *text = new QLabel(QStringLiteral("Kalvomat 1.3"), &fenster);
    text->move(10, 10);
    fenster.show();
    return app.exec();
}
