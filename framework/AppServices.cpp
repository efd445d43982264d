// The variadic front of the numbered messages.
#include "framework/AppServices.h"

#include "framework/MessageDlg.h"

namespace orv::Windows {

void CAppServices::ShowError(int id, ...)
{
    va_list args;
    va_start(args, id);
    ShowNumbered(id, kMessageError, args);
    va_end(args);
}

void CAppServices::ShowWarning(int id, ...)
{
    va_list args;
    va_start(args, id);
    ShowNumbered(id, kMessageWarning, args);
    va_end(args);
}

}  // namespace orv::Windows
