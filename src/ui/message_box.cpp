#include "ui/message_box.h"

#include "ui/number_locale.h"

#include <QMessageBox>

#include <iterator>

namespace ui {

namespace {

// The box's icon for each kind of message, in MessageKind order.
constexpr QMessageBox::Icon kIcons[] = {
    QMessageBox::Information,
    QMessageBox::Warning,
    QMessageBox::Critical,
};
static_assert(std::size(kIcons) == static_cast<std::size_t>(MessageKind::Critical) + 1);

} // namespace

void showMessage(QWidget* parent, const QString& text, const QString& title, MessageKind kind)
{
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(kIcons[static_cast<int>(kind)]);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void showMessage(QWidget* parent, const PageMessage& message)
{
    showMessage(parent, fromStd(message.Text), fromStd(message.Title), message.Kind);
}

} // namespace ui
