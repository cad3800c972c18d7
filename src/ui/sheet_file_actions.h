#pragma once

// The File menu items that both the main window and the results sheet offer: one action
// each, added to both menus, so that each exists once.

class QAction;
class QMenu;

namespace ui {

struct SheetFileActions
{
    QAction* open = nullptr; // actionOpenSheet
    QMenu* recent = nullptr; // menuRecentSheets
    QAction* reopenClosed = nullptr; // actionReopenClosedSheet
};

} // namespace ui
