#include "ui/widgets.h"

#include "ui/colours.h"

#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QSvgWidget>

namespace ui {

namespace {

class ReturnPress : public QObject
{
public:
    explicit ReturnPress(QAbstractButton* button)
        : QObject(button)
        , m_button(button)
    {
        button->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool returnKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!returnKey || (key->modifiers() & ~Qt::KeypadModifier))
            return QObject::eventFilter(watched, event);
        // A held key presses once: a calculation or a report is not to be repeated.
        if (!key->isAutoRepeat())
            m_button->click();
        return true;
    }

private:
    QAbstractButton* m_button;
};

class Picture : public QSvgWidget
{
public:
    Picture(const QString& file, QWidget* parent)
        : QSvgWidget(parent)
    {
        QFile artwork(file);
        if (artwork.open(QIODevice::ReadOnly))
            m_artwork = artwork.readAll();
        draw();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            draw();
        QSvgWidget::changeEvent(event);
    }

private:
    void draw()
    {
        const QPalette& colours = palette();
        QByteArray svg = m_artwork;
        svg.replace("currentColor", colours.color(QPalette::WindowText).name().toLatin1());
        svg.replace("\"red\"", '"' + textShade(Qt::red, this).name().toLatin1() + '"');
        load(svg);
    }

    QByteArray m_artwork;
};

} // namespace

void pressOnReturn(QAbstractButton* button)
{
    new ReturnPress(button);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(caption.trimmed());
    pressOnReturn(button);
    return button;
}

QSvgWidget* picture(
    const char* name, const QString& file, const QString& description, QWidget* parent)
{
    auto* widget = new Picture(file, parent);
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(description);
    return widget;
}

} // namespace ui
