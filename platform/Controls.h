// Thin wrappers of the standard and common controls, bound to a dialog's items by Attach.
#pragma once

#include "platform/Wnd.h"

#include <commctrl.h>

#include <string>

class CButton : public CWnd {
public:
    bool GetCheck() const { return SendMessage(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void LimitText(int characters) const { SendMessage(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void ScrollCaret() const { SendMessage(EM_SCROLLCARET); }
};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text) const;
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    void SetCurSel(int index) const { SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    // Selects the first item that begins with `prefix` (case ignored); its index or CB_ERR.
    int SelectString(const std::string& prefix, int after = -1) const;
    std::string GetLBText(int index) const;
    LPARAM GetItemData(int index) const { return SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(index)); }
    void SetItemData(int index, LPARAM data) const { SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), data); }
};

// A trackbar tells its parent of a drag or key movement that has ended as a command like any
// other control's: WM_COMMAND with its id and kEndTrack.
class CSliderCtrl : public CWnd {
public:
    static constexpr WORD kEndTrack = TB_ENDTRACK;

    void SetRangeMin(int minimum, bool redraw) const { SendMessage(TBM_SETRANGEMIN, redraw, minimum); }
    void SetRangeMax(int maximum, bool redraw) const { SendMessage(TBM_SETRANGEMAX, redraw, maximum); }
    void SetPos(int position) const { SendMessage(TBM_SETPOS, TRUE, position); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }

protected:
    bool OnMessageReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

class CDateTimeCtrl : public CWnd {
public:
    // False while the picker shows no date.
    bool GetTime(SYSTEMTIME& time) const;
    bool SetTime(const SYSTEMTIME& time) const;
};
