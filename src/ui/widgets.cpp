#include "ui/widgets.h"

#include "ui/colours.h"
#include "ui/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

QString indexedName(const QString& arrayName, int index)
{
    return QStringLiteral("%1(%2)").arg(arrayName).arg(index);
}

QLabel* label(const QString& name, const QString& text, QWidget* parent, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

QLabel* wrappingLabel(
    const QString& name, const QString& text, QWidget* parent, Qt::Alignment alignment)
{
    QLabel* wrapping = label(name, text, parent, alignment);
    wrapping->setWordWrap(true);
    return wrapping;
}

QLineEdit* lineEdit(const QString& name, const QString& text, const QString& accessibleName,
    QWidget* parent, Qt::Alignment alignment)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setAccessibleName(accessibleName);
    edit->setAlignment(alignment | Qt::AlignVCenter);
    return edit;
}

QGroupBox* groupBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption.simplified());
    return box;
}

QFrame* plainFrame(const QString& name, QWidget* parent, const QString& accessibleName)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    frame->setAccessibleName(accessibleName);
    return frame;
}

QRadioButton* option(const QString& arrayName, int index, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(indexedName(arrayName, index));
    button->setAccessibleName(caption.trimmed());
    return button;
}

QRadioButton* option(QButtonGroup* group, const QString& arrayName, int index,
    const QString& caption, QWidget* parent)
{
    QRadioButton* button = option(arrayName, index, caption, parent);
    group->addButton(button, index);
    return button;
}

void addOptions(QButtonGroup* group, const QString& arrayName,
    std::initializer_list<OptionDesign> designs, QWidget* frame)
{
    int index = 0;
    for (const OptionDesign& design : designs) {
        QRadioButton* button = option(group, arrayName, index++, design.caption, frame);
        button->setToolTip(design.tip);
        place(button, design.twips.x(), design.twips.y(), design.twips.width(),
            design.twips.height());
    }
}

void makeEditable(QComboBox* list)
{
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
}

QComboBox* editableList(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    makeEditable(list);
    list->addItems(items);
    return list;
}

QComboBox* fixedList(
    const QString& name, const QList<std::pair<QString, int>>& items, int chosen, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    for (const auto& [caption, value] : items)
        list->addItem(caption, value);
    chooseValue(list, chosen);
    return list;
}

int chosenValue(const QComboBox* list)
{
    return list->currentData().toInt();
}

void chooseValue(QComboBox* list, int value)
{
    list->setCurrentIndex(list->findData(value));
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setAccessibleName(caption.trimmed());
    return box;
}

void pressOnReturn(QAbstractButton* button)
{
    new ReturnPress(button);
}

QPushButton* button(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(caption.trimmed());
    pressOnReturn(button);
    return button;
}

QSvgWidget* picture(
    const QString& name, const QString& file, const QString& description, QWidget* parent)
{
    auto* widget = new Picture(file, parent);
    widget->setObjectName(name);
    widget->setAccessibleName(description);
    return widget;
}

} // namespace ui
