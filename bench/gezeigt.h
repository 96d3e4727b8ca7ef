#pragma once

// For the start-up benchmark: watches the application until its first window is mapped and
// exposed, and writes "abgebildet" to stdout at once, before the window paints; then, once the
// window has painted, writes "gezeigt" and ends the event loop. The window itself is not touched;
// the watcher only looks at the events the application delivers anyway.

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
                melden("abgebildet\n");
                // The widget paints while it handles the expose; the queued call comes after that.
                QTimer::singleShot(0, [] {
                    melden("gezeigt\n");
                    QCoreApplication::quit();
                });
            }
        }
        return false;
    }

private:
    static void melden(const char *zeile)
    {
        std::fputs(zeile, stdout);
        std::fflush(stdout);
    }
    bool gemeldet_ = false;
};
