#pragma once

// The controls every window builds the same way, named for the program's own lookups and
// for a screen reader: the one kit the pages and windows make their controls with.

#include <QRect>
#include <QString>
#include <QStringList>

#include <initializer_list>
#include <utility>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSvgWidget;
class QWidget;

namespace ui {

// Labels are centred on the height of the box beside them, or stand at the top of their
// place where their text runs over several lines.
inline constexpr Qt::Alignment kLabelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kTopAlignment = Qt::AlignLeft | Qt::AlignTop;

// The name of element `index` of a control array: "NAME(index)".
QString indexedName(const QString& arrayName, int index);

// A label of plain text, named for a screen reader by the text it opens with.
QLabel* label(const QString& name, const QString& text, QWidget* parent,
    Qt::Alignment alignment = kLabelAlignment);
// The same, breaking its text into lines where the label is narrower than the text.
QLabel* wrappingLabel(const QString& name, const QString& text, QWidget* parent,
    Qt::Alignment alignment = kLabelAlignment);

// A one-line text box; `alignment` places its text across the box.
QLineEdit* lineEdit(const QString& name, const QString& text, const QString& accessibleName,
    QWidget* parent, Qt::Alignment alignment = Qt::AlignLeft);

// A frame with a border and a caption, named by its caption.
QGroupBox* groupBox(const QString& name, const QString& caption, QWidget* parent);
// A frame without border or caption that only groups its controls; a screen reader
// names it by `accessibleName`, where it has one.
QFrame* plainFrame(const QString& name, QWidget* parent, const QString& accessibleName = {});

// Option button `index` of the array `arrayName`, named NAME(index) and, for a screen
// reader, by its caption. In a group it takes `index` as its id.
QRadioButton* option(const QString& arrayName, int index, const QString& caption, QWidget* parent);
QRadioButton* option(QButtonGroup* group, const QString& arrayName, int index,
    const QString& caption, QWidget* parent);

// An option of an array as designed: its caption, its place in twips in its frame and
// its tooltip.
struct OptionDesign
{
    QString caption;
    QRect twips;
    QString tip;
};

// Adds the designed options to `group` as the elements 0, 1, ... of the array
// `arrayName`, placed in `frame`.
void addOptions(QButtonGroup* group, const QString& arrayName,
    std::initializer_list<OptionDesign> designs, QWidget* frame);

// Makes a list editable: its text is typed or chosen from the list. Typed text is not
// completed, nor added to the list: it counts only as it stands.
void makeEditable(QComboBox* list);
// An editable list of `items`.
QComboBox* editableList(const QString& name, const QStringList& items, QWidget* parent);

// A list to choose from, not to type in: its items' captions, each with the value it
// stands for (an engine's enumerator), and the one chosen to start with.
QComboBox* fixedList(
    const QString& name, const QList<std::pair<QString, int>>& items, int chosen, QWidget* parent);

// The value the chosen item of a fixed list stands for, and the choice of the item that
// stands for a value.
int chosenValue(const QComboBox* list);
template<typename Enum>
Enum chosen(const QComboBox* list)
{
    return static_cast<Enum>(chosenValue(list));
}
void chooseValue(QComboBox* list, int value);

// A check box, named for a screen reader by its caption.
QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent);

// A push button with this object name and caption. A screen reader reads the caption
// without the blanks some captions carry. Return presses it, as Space does.
QPushButton* button(const QString& name, const QString& caption, QWidget* parent);

// Makes Return and Enter press a button that has the keyboard focus, as they do on the
// rest of the desktop. Qt leaves that to dialogs; outside one only Space presses a button.
void pressOnReturn(QAbstractButton* button);

// A picture drawn from an SVG resource, with this object name; `description` is what a
// screen reader says of it. The artwork follows the colour scheme: what it draws in
// currentColor takes the palette's text colour, and its red the shade of red that reads
// on the page.
QSvgWidget* picture(
    const QString& name, const QString& file, const QString& description, QWidget* parent);

} // namespace ui
