// The calls into system DLLs that only dialogs, the tray icon, help, the About box or a locale's
// date text need.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <oleauto.h>
#include <shellapi.h>

// Each DLL is loaded at the first call of one of its functions and then stays loaded, so the
// idle timer window carries none of them. They are found by name at every call rather than
// through import slots: the 32-bit linker drops the loading stub of a delay-load import that is
// called through the headers' dllimport declaration, leaving a slot that jumps to 0.
// The functions are those of the system with the same arguments; when the DLL or the function
// cannot be had, each returns its documented failure value and the last error says why.
namespace orv::late {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);
HPROPSHEETPAGE CreatePropertySheetPageA(LPCPROPSHEETPAGEA page);
BOOL DestroyPropertySheetPage(HPROPSHEETPAGE page);
INT_PTR PropertySheetA(LPCPROPSHEETHEADERA header);

BOOL GetOpenFileNameA(OPENFILENAMEA* dialog);
BOOL GetSaveFileNameA(OPENFILENAMEA* dialog);
BOOL ChooseColorA(CHOOSECOLORA* dialog);
DWORD CommDlgExtendedError();

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data);
HINSTANCE FindExecutableA(LPCSTR file, LPCSTR folder, LPSTR program);
HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                        INT show);

DWORD GetFileVersionInfoSizeA(LPCSTR file, DWORD* handle);
BOOL GetFileVersionInfoA(LPCSTR file, DWORD handle, DWORD size, void* block);
BOOL VerQueryValueA(const void* block, LPCSTR path, void** value, UINT* length);

// oleaut32 pulls in the COM libraries, some megabytes that the idle window does not need.
HRESULT VarBstrFromDate(DATE value, LCID locale, ULONG flags, BSTR* text);
HRESULT VarDateFromStr(LPCOLESTR text, LCID locale, ULONG flags, DATE* value);
// Frees what VarBstrFromDate gave; nothing to do for null.
void SysFreeString(BSTR text);

// The export `name` of the system DLL `dll`, loading the DLL if it is not yet; null when either
// is missing (the last error then says which).
FARPROC FindExport(const char* dll, const char* name);

}  // namespace orv::late
