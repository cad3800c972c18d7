#pragma once

// The "Short Circuit" page: available fault current by the point-to-point method.

#include <QWidget>

class ShortCircuitPage : public QWidget
{
    Q_OBJECT
public:
    explicit ShortCircuitPage(QWidget* parent = nullptr);

    // Puts the blank panel back over the transformer fields, where it belongs when the
    // page comes forward.
    void movePanelHome();
};
