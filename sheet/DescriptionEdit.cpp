// Typing and pasting into the description without the field separator.
#include "sheet/DescriptionEdit.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// The clipboard's text; none when it holds no text or cannot be read.
std::optional<std::string> ClipboardText(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* locked = static_cast<const char*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

LRESULT CDescriptionEdit::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CHAR:
        if (wParam == static_cast<unsigned char>(kRefused)) {
            ::MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_PASTE:
        PasteWithoutSeparator();
        return 0;
    }
    return CEdit::WindowProc(msg, wParam, lParam);
}

void CDescriptionEdit::PasteWithoutSeparator()
{
    std::optional<std::string> pasted = ClipboardText(m_hWnd);
    // Nothing to paste leaves the selection in place, as in a plain edit.
    if (!pasted)
        return;
    std::string text = std::move(*pasted);
    // A one-line edit takes the first line of what is pasted.
    text = text.substr(0, text.find_first_of("\r\n"));
    std::replace(text.begin(), text.end(), kRefused, kReplacement);
    // Undoable like any paste; the edit's length limit applies.
    SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}
