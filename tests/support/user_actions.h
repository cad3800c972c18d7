#pragma once

// What the window tests do to the program the way its user does, and the tidying after.
//
// An action that cannot be done says why, naming the control, and returns false; the test
// checks it, as in QVERIFY(clickOnMark(button)), so that it ends at its own line. A check
// inside a helper would only end the helper, and the test would run on.

class QAbstractButton;
class QComboBox;
class QString;
class QWidget;

namespace testsupport {

// Clicks a button near its left edge, on the mark of an option or check box: such a
// button is often wider than its caption, and a click beside the caption misses it, as
// the user's would. The button must be shown: no user can click a hidden one.
[[nodiscard]] bool clickOnMark(QAbstractButton* button);

// Opens the list, moves to the item and presses Return, as the user does from the
// keyboard: the list reports a user's choice (`activated`), not only a changed index, and
// the item needs no scrolling into view first.
[[nodiscard]] bool chooseFromList(QComboBox* list, const QString& item);

// Gives a shown control its text as the user does: chosen from a fixed list, or typed key
// by key over what a box or an editable list holds, the keyboard in it.
[[nodiscard]] bool enter(QWidget* control, const QString& text);

// What a control shows: its text, a list's choice, or a check box's "checked" or
// "unchecked"; "off: " before it while the control is off.
QString shownText(const QWidget* control);

// Makes a shown window the active one and waits until the window system has done so.
[[nodiscard]] bool activate(QWidget* window);

// The shown top-level window with this object name, or null. A closed window lingers
// until it is deleted, so a hidden one does not count.
QWidget* shownWindow(const QString& objectName);

// Deletes every top-level window, through guards: windows own popups that are top-level
// widgets too, so deleting one window can delete another.
void deleteTopLevelWindows();

} // namespace testsupport
