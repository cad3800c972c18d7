#pragma once

// What a calculation does to the result display of the Voltage Drop page: the result box
// and the ten results-history slots below the tabs. The calculations write a script of
// display operations in order; the page plays it on its widgets.

#include <array>
#include <string>
#include <vector>

inline constexpr int kHistorySlots = 10;

struct DisplayOperation
{
    enum class Kind
    {
        Clear, // the result box emptied and every slot hidden
        HideAll, // every slot hidden, the result box left as it is
        Show, // the result box shows Text
        EmptyText, // the result box emptied
        Record, // slot Slot shown with the caption Text, storing what the result box shows
        Hide, // slot Slot hidden
        Select, // slot Slot selected, showing its stored result
    };

    Kind What = Kind::Clear;
    int Slot = -1;
    std::string Text;

    bool operator==(const DisplayOperation&) const = default;
};

class DisplayScript
{
public:
    void clear();
    void hideAll();
    void show(std::string text);
    void emptyText();
    // A slot index outside the history records nothing.
    void record(int slot, std::string caption);
    void hide(int slot);
    void select(int slot);

    // Which slots the script has left in use; slots it has not touched since its last
    // hideAll or clear count as hidden.
    bool inUse(int slot) const { return m_inUse[slot]; }

    const std::vector<DisplayOperation>& operations() const { return m_operations; }

private:
    std::vector<DisplayOperation> m_operations;
    std::array<bool, kHistorySlots> m_inUse {};
};
