#include "app/befehlszeile.h"
#include "app/main_window.h"
#include "app/uebersetzung.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The command-line uses and wrong arguments come first: they need no display and open no
    // window.
    if (const auto code = befehlszeile(argc, argv))
        return *code;
    QApplication app(argc, argv);
    qtTexteLaden(app);
    Main fenster;
    fenster.Form_Load();
    fenster.show();
    return app.exec();
}
