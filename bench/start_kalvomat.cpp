// The program's start-up exactly as its main() does it, ended as soon as the window is on screen.
// Only the command-line check before it is left out: without arguments it returns at once.

#include "app/main_window.h"
#include "app/uebersetzung.h"
#include "gezeigt.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GezeigtMelder melder;
    qtTexteLaden(app);
    Main fenster;
    fenster.Form_Load();
    fenster.show();
    return app.exec();
}
