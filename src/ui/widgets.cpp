#include "ui/widgets.h"

#include <QPushButton>
#include <QSvgWidget>

namespace ui {

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption.trimmed());
    return button;
}

QSvgWidget* picture(
    const char* name, const QString& file, const QString& description, QWidget* parent)
{
    auto* widget = new QSvgWidget(file, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(description);
    return widget;
}

} // namespace ui
