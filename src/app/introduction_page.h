#pragma once

// The "Introduction" page: the program's banner and artwork, the About button on its
// toolbar and the Exit button.

#include <QWidget>

class IntroductionPage : public QWidget
{
    Q_OBJECT
public:
    explicit IntroductionPage(QWidget* parent = nullptr);

signals:
    void aboutRequested();
    void exitRequested();
};
