// The description edit of the appointment dialog. The stored text form has no escape for ";",
// so a typed ";" is refused with a beep and a pasted one becomes ",", as it would be stored.
#pragma once

#include "platform/Controls.h"

class CDescriptionEdit : public CEdit {
public:
    static constexpr char kRefused = ';';
    static constexpr char kReplacement = ',';

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void PasteWithoutSeparator();
};
