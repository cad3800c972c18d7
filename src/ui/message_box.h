#pragma once

// The program's messages: a modal box with a text, a title, one icon and a single OK
// button. Lines in message texts break with a carriage return alone.

#include <QString>

class QWidget;

namespace ui {

enum class MessageIcon
{
    Information,
    Exclamation,
    Critical,
};

void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon);

} // namespace ui
