#pragma once

// The program's windows in the modes the user brings them to, each with its longest texts
// on show: for the tests that look at everything a user can see.

#include <QStringList>

class ProgramWindows;
class QWidget;

namespace testsupport {

QStringList viewNames();

// Brings a view forward, as the user does, and returns the window it is in (the main
// window, About or the sheet); null when that window did not come up or a step on the way
// failed, which has said why.
QWidget* showView(ProgramWindows& windows, const QString& name);

} // namespace testsupport
