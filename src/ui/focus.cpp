#include "ui/focus.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace ui {

namespace {

class FocusInFilter : public QObject
{
public:
    FocusInFilter(QWidget* widget, std::function<void()> action)
        : QObject(widget)
        , m_action(std::move(action))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                m_action();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_action;
};

} // namespace

void onFocusIn(QWidget* widget, std::function<void()> action)
{
    new FocusInFilter(widget, std::move(action));
}

void giveFocus(QWidget* widget)
{
    if (widget->isVisible() && widget->isEnabled())
        widget->setFocus(Qt::OtherFocusReason);
}

} // namespace ui
