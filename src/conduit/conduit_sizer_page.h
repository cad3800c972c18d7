#pragma once

// The "Conduit Sizer" page: ten groups of conductors and the conduit that holds them.

#include <QWidget>

class ConduitSizerPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConduitSizerPage(QWidget* parent = nullptr);
};
