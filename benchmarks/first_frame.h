#pragma once

// Tells the start-up benchmark that a window has put its first frame on the screen: one
// line on standard output once the window's first paint has been flushed.

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

class FirstFrameReporter : public QObject
{
public:
    explicit FirstFrameReporter(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The window's own paint comes first in its repaint; the zero timer fires once
            // the whole frame, children included, has been flushed.
            QTimer::singleShot(0, this, [] {
                std::puts("first frame");
                std::fflush(stdout);
            });
        }
        return false;
    }
};
