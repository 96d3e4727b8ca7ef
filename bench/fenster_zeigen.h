#pragma once

// For the benchmarks that work on the window: the program's window as main() starts it, on the
// offscreen platform, exposed and painted before anything is measured.

#include "app/main_window.h"

#include <QTest>

#include <cstdio>

inline bool fensterZeigen(Main &fenster)
{
    fenster.Form_Load();
    fenster.show();
    if (QTest::qWaitForWindowExposed(&fenster))
        return true;
    std::fprintf(stderr, "Fenster nicht gezeigt\n");
    return false;
}
