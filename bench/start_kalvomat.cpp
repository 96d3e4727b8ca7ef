// The program's start-up exactly as its main() does it, ended as soon as the window is on screen.

#include "app/main_window.h"
#include "gezeigt.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GezeigtMelder melder;
    Main fenster;
    fenster.Form_Load();
    fenster.show();
    return app.exec();
}
