#include "app/main_window.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Main fenster;
    fenster.Form_Load();
    fenster.show();
    return app.exec();
}
