#include "message_box_catcher.h"

#include <QAbstractButton>
#include <QApplication>

MessageBoxCatcher::MessageBoxCatcher()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxCatcher::answer);
    m_timer.start();
}

void MessageBoxCatcher::answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
        m_waiting.invalidate();
        return;
    }
    // The window system makes a shown box the active window a moment later; the user
    // answers it only then. A box that never comes forward is answered all the same.
    if (!m_waiting.isValid())
        m_waiting.start();
    if (!box->isActiveWindow() && m_waiting.elapsed() < 1000)
        return;
    m_waiting.invalidate();
    Message message;
    message.title = box->windowTitle();
    message.text = box->text();
    message.icon = box->icon();
    for (QAbstractButton* button : box->buttons())
        message.buttons << box->standardButton(button);
    m_messages << message;
    if (m_onOpen)
        m_onOpen();
    if (QAbstractButton* chosen = box->button(m_answer))
        chosen->click();
    else
        box->done(QMessageBox::Ok);
}
