#include "ui/menus.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

namespace ui {

QAction* makeAction(QObject* owner, const char* name, const QString& text, const char* icon,
    QKeySequence::StandardKey key)
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QLatin1String(name));
    if (icon)
        action->setIcon(QIcon::fromTheme(QLatin1String(icon)));
    action->setShortcuts(key);
    return action;
}

QAction* addAction(QMenu* menu, const char* name, const QString& text, const char* icon,
    QKeySequence::StandardKey key)
{
    QAction* action = makeAction(menu, name, text, icon, key);
    menu->addAction(action);
    return action;
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* menu = bar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

int menuBarHeight(const QMenuBar* bar)
{
    return bar->isNativeMenuBar() ? 0 : bar->sizeHint().height();
}

} // namespace ui
