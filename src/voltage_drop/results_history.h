#pragma once

// The results history: ten slots along the bottom of the main window, each an option
// button (rbVDResults(i)) with a caption and a hidden rich-text holder (txtVDResults(i))
// with the complete result that the slot shows when picked.

#include <QWidget>

#include <array>

class QRadioButton;
class QTextDocument;

namespace ui {
class OptionGroup;
} // namespace ui

class ResultsHistory : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kSlots = 10;

    explicit ResultsHistory(QWidget* parent);

    bool isInUse(int slot) const;
    void setInUse(int slot, bool inUse);
    void hideAll();

    QString caption(int slot) const;
    void setCaption(int slot, const QString& caption);

    // The slot's stored result, as rich text (HTML).
    QString content(int slot) const;
    void setContent(int slot, const QString& html);

    // The selected slot, or -1.
    int selected() const;
    // Selects a slot as a click on it would, the slot already selected included.
    void select(int slot);

signals:
    // A slot was picked, by the user or by program: its content is to be shown.
    void picked(int slot);

private:
    void layOutSlots();

    ui::OptionGroup* m_group = nullptr;
    std::array<QRadioButton*, kSlots> m_buttons {};
    std::array<QTextDocument*, kSlots> m_contents {};
};
