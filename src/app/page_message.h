#pragma once

// A message for a page to show: what a calculation or a rule says when it refuses an
// input, in the words and with the icon the user sees.

#include <string>

enum class MessageKind
{
    Information,
    Exclamation,
    Critical,
};

struct PageMessage
{
    std::string Text;
    std::string Title;
    MessageKind Kind = MessageKind::Information;

    bool operator==(const PageMessage&) const = default;
};
