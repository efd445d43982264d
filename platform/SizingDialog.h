// Dialog bases of the program's modal dialogs: a minimum size with a layout hook, and F1 (or any
// accelerator table) plus an optional window icon on top.
#pragma once

#include "platform/Accelerators.h"
#include "platform/Dialog.h"

namespace orv::Windows {

class CSizingDialog : public CDialog {
public:
    explicit CSizingDialog(UINT templateId, HWND parent = nullptr) : CDialog(templateId, parent) {}

    SIZE GetLayoutSize() const { return SIZE{m_nLayoutWidth, m_nLayoutHeight}; }

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Records the minimum (window) size and the initial client size.
    virtual void InitLayout();
    // Lays out for the present client size.
    virtual void Relayout();
    // Derived dialogs move their controls here; the base keeps the sizes and repaints.
    virtual void Layout(int width, int height);

private:
    // Keeps a rectangle being dragged at least the minimum size, from whichever edge.
    void KeepMinimumSize(WPARAM edge, RECT& rect) const;

    int m_nLayoutWidth = 0;
    int m_nLayoutHeight = 0;
    int m_nMinWidth = 0;
    int m_nMinHeight = 0;
    int m_nInitialClientWidth = 0;
    int m_nInitialClientHeight = 0;
};

class CAccelDialog : public CSizingDialog {
public:
    // Ids of 0 load nothing.
    CAccelDialog(UINT iconId, UINT acceleratorId, UINT templateId, HWND parent = nullptr);
    // The icon belongs to the resources; nothing is destroyed.
    ~CAccelDialog() override = default;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;

private:
    HICON m_hIcon = nullptr;
    CAccelerators m_accelerators;
};

}  // namespace orv::Windows
