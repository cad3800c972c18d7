#pragma once

// AboutRudu_Vovor: what the program offers, a disclaimer and who made it. Modeless;
// OK, Enter and Escape close it, and closing it destroys it.

#include <QDialog>

class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);
};
