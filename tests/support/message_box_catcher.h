#pragma once

// Answers the program's message boxes while a test drives a window, and remembers what
// they said.

#include <QElapsedTimer>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QTimer>

class MessageBoxCatcher : public QObject
{
    Q_OBJECT
public:
    struct Message
    {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QList<QMessageBox::StandardButton> buttons;
    };

    MessageBoxCatcher();

    const QList<Message>& messages() const { return m_messages; }
    int count() const { return static_cast<int>(m_messages.size()); }
    Message last() const { return m_messages.value(m_messages.size() - 1); }
    void clear() { m_messages.clear(); }

    // Runs while a box is open, before it is answered (for checking what else the
    // window shows at that moment).
    void setOnOpen(std::function<void()> onOpen) { m_onOpen = std::move(onOpen); }
    // The button a question is answered with; a box without it is closed as with OK.
    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }

private:
    void answer();

    QTimer m_timer;
    QElapsedTimer m_waiting; // since the box showed, until it is active
    QList<Message> m_messages;
    std::function<void()> m_onOpen;
    QMessageBox::StandardButton m_answer = QMessageBox::NoButton;
};
