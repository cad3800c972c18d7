#pragma once

// The program's messages: a modal box with a text, a title, one icon and a single OK
// button. Lines in message texts break with a carriage return alone.

#include "app/page_message.h"

#include <QString>

class QWidget;

namespace ui {

void showMessage(QWidget* parent, const QString& text, const QString& title, MessageKind kind);
void showMessage(QWidget* parent, const PageMessage& message);

} // namespace ui
