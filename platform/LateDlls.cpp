// System DLLs loaded at their first call: one look-up per call, no state of our own.
#include "platform/LateDlls.h"

#include <winver.h>

namespace orv::late {

FARPROC FindExport(const char* dll, const char* name)
{
    HMODULE module = GetModuleHandleA(dll);
    // By bare name, as the loader would: the manifest's activation context then picks version 6
    // of the common controls. Never freed, like a start-up import.
    if (!module)
        module = LoadLibraryA(dll);
    return module ? GetProcAddress(module, name) : nullptr;
}

namespace {

template <typename Function, typename Result, typename... Args>
Result Call(const char* dll, const char* name, Result failed, Args... args)
{
    const FARPROC found = FindExport(dll, name);
    if (!found)
        return failed;
    // Through void(*)() so that the compiler accepts the change of function type.
    auto* function = reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
    return function(args...);
}

constexpr char kComCtl[] = "comctl32.dll";
constexpr char kComDlg[] = "comdlg32.dll";
constexpr char kShell[] = "shell32.dll";
constexpr char kVersion[] = "version.dll";
constexpr char kOleAut[] = "oleaut32.dll";
// What a Var... call gives when oleaut32 or the function cannot be had.
constexpr HRESULT kOleAutMissing = HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);

// ShellExecute's and FindExecutable's result when the DLL cannot be had (values up to 32 fail).
const HINSTANCE kShellFailed = reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes)
{
    return Call<decltype(::InitCommonControlsEx)>(kComCtl, "InitCommonControlsEx", FALSE, classes);
}

HPROPSHEETPAGE CreatePropertySheetPageA(LPCPROPSHEETPAGEA page)
{
    return Call<decltype(::CreatePropertySheetPageA)>(kComCtl, "CreatePropertySheetPageA",
                                                      HPROPSHEETPAGE{}, page);
}

BOOL DestroyPropertySheetPage(HPROPSHEETPAGE page)
{
    return Call<decltype(::DestroyPropertySheetPage)>(kComCtl, "DestroyPropertySheetPage", FALSE, page);
}

INT_PTR PropertySheetA(LPCPROPSHEETHEADERA header)
{
    return Call<decltype(::PropertySheetA)>(kComCtl, "PropertySheetA", INT_PTR{-1}, header);
}

BOOL GetOpenFileNameA(OPENFILENAMEA* dialog)
{
    return Call<decltype(::GetOpenFileNameA)>(kComDlg, "GetOpenFileNameA", FALSE, dialog);
}

BOOL GetSaveFileNameA(OPENFILENAMEA* dialog)
{
    return Call<decltype(::GetSaveFileNameA)>(kComDlg, "GetSaveFileNameA", FALSE, dialog);
}

BOOL ChooseColorA(CHOOSECOLORA* dialog)
{
    return Call<decltype(::ChooseColorA)>(kComDlg, "ChooseColorA", FALSE, dialog);
}

DWORD CommDlgExtendedError()
{
    // Without the DLL no dialog could have run: report that the dialog failed to start.
    return Call<decltype(::CommDlgExtendedError)>(kComDlg, "CommDlgExtendedError",
                                                  DWORD{CDERR_INITIALIZATION});
}

BOOL Shell_NotifyIconA(DWORD message, NOTIFYICONDATAA* data)
{
    return Call<decltype(::Shell_NotifyIconA)>(kShell, "Shell_NotifyIconA", FALSE, message, data);
}

HINSTANCE FindExecutableA(LPCSTR file, LPCSTR folder, LPSTR program)
{
    return Call<decltype(::FindExecutableA)>(kShell, "FindExecutableA", kShellFailed, file, folder,
                                             program);
}

HINSTANCE ShellExecuteA(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR folder,
                        INT show)
{
    return Call<decltype(::ShellExecuteA)>(kShell, "ShellExecuteA", kShellFailed, owner, verb, file,
                                           parameters, folder, show);
}

DWORD GetFileVersionInfoSizeA(LPCSTR file, DWORD* handle)
{
    return Call<decltype(::GetFileVersionInfoSizeA)>(kVersion, "GetFileVersionInfoSizeA", DWORD{0},
                                                     file, handle);
}

BOOL GetFileVersionInfoA(LPCSTR file, DWORD handle, DWORD size, void* block)
{
    return Call<decltype(::GetFileVersionInfoA)>(kVersion, "GetFileVersionInfoA", FALSE, file,
                                                 handle, size, block);
}

BOOL VerQueryValueA(const void* block, LPCSTR path, void** value, UINT* length)
{
    return Call<decltype(::VerQueryValueA)>(kVersion, "VerQueryValueA", FALSE, block, path, value,
                                            length);
}

HRESULT VarBstrFromDate(DATE value, LCID locale, ULONG flags, BSTR* text)
{
    return Call<decltype(::VarBstrFromDate)>(kOleAut, "VarBstrFromDate", kOleAutMissing, value,
                                             locale, flags, text);
}

HRESULT VarDateFromStr(LPCOLESTR text, LCID locale, ULONG flags, DATE* value)
{
    // Some headers declare the text without const; the function only reads it.
    return Call<decltype(::VarDateFromStr)>(kOleAut, "VarDateFromStr", kOleAutMissing,
                                            const_cast<LPOLESTR>(text), locale, flags, value);
}

void SysFreeString(BSTR text)
{
    // Only a string that oleaut32 gave is ever freed, so the DLL is there already.
    if (!text)
        return;
    if (const FARPROC found = FindExport(kOleAut, "SysFreeString"))
        reinterpret_cast<decltype(::SysFreeString)*>(reinterpret_cast<void (*)()>(found))(text);
}

}  // namespace orv::late
