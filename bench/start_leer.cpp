// The comparison for the start-up: a bare top-level QWidget of the program window's size and
// title, started and shown the same way.

#include "gezeigt.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GezeigtMelder melder;
    QWidget fenster;
    fenster.setWindowTitle(QStringLiteral("Kalvomat 1.3"));
    // 11025 x 11000 twips at 15 twips a pixel, as the program window.
    fenster.setGeometry(30, 0, 735, 733);
    fenster.show();
    return app.exec();
}
