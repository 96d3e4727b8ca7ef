#pragma once

// For the start-up benchmark: watches the application until its first window has been exposed
// and painted, then writes "gezeigt" to stdout and ends the event loop. The window itself is not
// touched; the watcher only looks at the events the application delivers anyway.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>

class GezeigtMelder : public QObject
{
public:
    GezeigtMelder() { QCoreApplication::instance()->installEventFilter(this); }

    bool eventFilter(QObject *objekt, QEvent *ereignis) override
    {
        if (!gemeldet_ && ereignis->type() == QEvent::Expose) {
            auto *fenster = qobject_cast<QWindow *>(objekt);
            if (fenster && fenster->isExposed()) {
                gemeldet_ = true;
                // The widget paints while it handles the expose; the queued call comes after that.
                QTimer::singleShot(0, [] {
                    std::fputs("gezeigt\n", stdout);
                    std::fflush(stdout);
                    QCoreApplication::quit();
                });
            }
        }
        return false;
    }

private:
    bool gemeldet_ = false;
};
