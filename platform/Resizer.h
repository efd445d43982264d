// Keeps a dialog's controls anchored to its edges while it is resized (the sizing dialog keeps
// its minimum size).
#pragma once

#include <windows.h>

#include <vector>

class CResizer {
public:
    enum Anchor : unsigned { kLeft = 1, kTop = 2, kRight = 4, kBottom = 8 };
    struct Rule {
        int controlId;
        unsigned anchors;  // kRight moves with the right edge, kLeft | kRight stretches, ...
    };

    // Records the controls' rectangles and the present client size.
    void Init(HWND dialog, const std::vector<Rule>& rules);
    // WM_SIZE: moves and sizes every control by the change of the client size.
    void OnSize(int clientWidth, int clientHeight) const;

private:
    struct Item {
        Rule rule;
        RECT start;  // in client coordinates at Init
    };
    HWND m_dialog = nullptr;
    SIZE m_startClient{0, 0};
    std::vector<Item> m_items;
};
