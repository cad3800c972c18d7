#include "app/introduction_page.h"

#include "ui/accessibility.h"
#include "ui/twips.h"
#include "ui/widgets.h"

#include <QAction>
#include <QPushButton>
#include <QSvgWidget>
#include <QToolBar>

IntroductionPage::IntroductionPage(QWidget* parent)
    : QWidget(parent)
{
    ui::placeOnPage(ui::picture("Image1", QStringLiteral(":/artwork/banner.svg"),
                        QStringLiteral("Tavilon"), this),
        240, 480, 8160, 1080);
    ui::placeOnPage(ui::picture("Image4", QStringLiteral(":/artwork/distribution.svg"),
                        QStringLiteral("Electrical distribution equipment"), this),
        240, 2040, 4200, 3600);
    ui::placeOnPage(ui::picture("Image2", QStringLiteral(":/artwork/logo.svg"),
                        QStringLiteral("Tavilon logo"), this),
        5760, 2280, 1440, 1440);

    // The toolbar's one button is keyed "About"; its picture comes from the image list.
    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("Toolbar1"));
    toolbar->setIconSize(QSize(79, 25));
    toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    toolbar->setMovable(false);
    auto* about = toolbar->addAction(
        QIcon(QStringLiteral(":/artwork/about_button.svg")), QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About"));
    about->setToolTip(QStringLiteral("About Tavilon"));
    connect(about, &QAction::triggered, this, &IntroductionPage::aboutRequested);
    ui::placeOnPage(toolbar, 5760, 4320, 1440, 510);
    // A toolbar's buttons take no keyboard focus by default; this one is the only way to
    // the About window, so Tab stops on it.
    QWidget* aboutButton = toolbar->widgetForAction(about);
    aboutButton->setFocusPolicy(Qt::TabFocus);
    aboutButton->setAccessibleName(about->text());
    ui::pressOnReturn(qobject_cast<QAbstractButton*>(aboutButton));

    QPushButton* exit = ui::button("cmdExit(1)", QStringLiteral("Exit "), this);
    connect(exit, &QPushButton::clicked, this, &IntroductionPage::exitRequested);
    ui::placeOnPage(exit, 5760, 5280, 1440, 375);

    ui::setTabOrder({aboutButton, exit});
}
