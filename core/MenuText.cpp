// Menu item texts as plain list entries.
#include "core/MenuText.h"

std::string CleanMenuText(const std::string& text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
        if (text[i] == '&') {
            // The marked character is kept as it is, even a second ampersand or a tab.
            if (++i >= text.size())
                break;
        }
        result += text[i];
    }
    return result;
}
