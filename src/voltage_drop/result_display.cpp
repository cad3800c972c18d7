#include "voltage_drop/result_display.h"

using Kind = DisplayOperation::Kind;

namespace {

DisplayOperation operation(Kind kind, int slot = -1, std::string text = {})
{
    return {kind, slot, std::move(text)};
}

} // namespace

void DisplayScript::clear()
{
    m_operations.push_back(operation(Kind::Clear));
    m_inUse.fill(false);
}

void DisplayScript::hideAll()
{
    m_operations.push_back(operation(Kind::HideAll));
    m_inUse.fill(false);
}

void DisplayScript::show(std::string text)
{
    m_operations.push_back(operation(Kind::Show, -1, std::move(text)));
}

void DisplayScript::emptyText()
{
    m_operations.push_back(operation(Kind::EmptyText));
}

void DisplayScript::record(int slot, std::string caption)
{
    if (slot < 0 || slot >= kHistorySlots)
        return;
    m_operations.push_back(operation(Kind::Record, slot, std::move(caption)));
    m_inUse[slot] = true;
}

void DisplayScript::hide(int slot)
{
    m_operations.push_back(operation(Kind::Hide, slot));
    m_inUse[slot] = false;
}

void DisplayScript::select(int slot)
{
    m_operations.push_back(operation(Kind::Select, slot));
}
