// Helpers for the GUI tests: delayed actions, window lookups and simple test windows.
#include "GuiTestSupport.h"

#include <map>
#include <memory>

namespace {

std::map<UINT_PTR, std::function<void()>>& PendingActions()
{
    static std::map<UINT_PTR, std::function<void()>> actions;
    return actions;
}

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto& actions = PendingActions();
    const auto found = actions.find(id);
    if (found == actions.end())
        return;
    const std::function<void()> action = std::move(found->second);
    actions.erase(found);
    action();
}

struct FindState {
    std::string title;
    HWND found = nullptr;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param)
{
    auto* state = reinterpret_cast<FindState*>(param);
    if (IsWindowVisible(window) && IsWindowEnabled(window) && ClassOf(window) == "#32770" &&
        TextOf(window) == state->title) {
        state->found = window;
        return FALSE;
    }
    return TRUE;
}

struct OwnedSearch {
    HWND owner;
    HWND found = nullptr;
};

BOOL CALLBACK MatchOwned(HWND window, LPARAM param)
{
    auto* state = reinterpret_cast<OwnedSearch*>(param);
    if (IsWindowVisible(window) && ClassOf(window) == "#32770" && GetWindow(window, GW_OWNER) == state->owner) {
        state->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectCount(HWND, LPARAM param)
{
    ++*reinterpret_cast<size_t*>(param);
    return TRUE;
}

BOOL CALLBACK CountWithChildren(HWND window, LPARAM param)
{
    ++*reinterpret_cast<size_t*>(param);
    EnumChildWindows(window, CollectCount, param);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param)
{
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

}  // namespace

void AfterDelay(UINT delayMs, std::function<void()> action)
{
    const UINT_PTR id = SetTimer(nullptr, 0, delayMs, RunPendingAction);
    PendingActions()[id] = std::move(action);
}

HWND FindDialog(const std::string& title)
{
    FindState state{title};
    EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

HWND OwnedDialog(HWND owner)
{
    OwnedSearch state{owner};
    EnumThreadWindows(GetCurrentThreadId(), MatchOwned, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string TextOf(HWND window)
{
    char text[2048] = "";
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

std::string ClassOf(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

HWND FindButton(HWND dialog, const std::string& text)
{
    for (HWND child : ChildWindows(dialog))
        if (ClassOf(child) == "Button" && TextOf(child) == text)
            return child;
    return nullptr;
}

DWORD GdiObjectCount()
{
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0)
        return counted;
    // Wine counts nothing: a handle without generation bits names whatever lives in its slot.
    DWORD live = 0;
    for (ULONG_PTR slot = 1; slot <= 0xFFFF; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0)
            ++live;
    return live;
}

size_t ThreadWindowCount()
{
    size_t count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountWithChildren, reinterpret_cast<LPARAM>(&count));
    return count;
}

void PostKey(HWND target, UINT virtualKey)
{
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(target, WM_KEYUP, virtualKey, 0xC0000001);
}

CPlainWindow::CPlainWindow()
{
    CreateEx(WindowClass{"ZielmarkTestWindow"}, 0, "Hauptfenster", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
             50, 50, 300, 200, nullptr, nullptr);
}

CEmptyDialog::CEmptyDialog(HWND owner)
    : m_template(AllocDialogTemplate(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                     200, 100))
{
    InitModalIndirect(m_template, owner);
}

CEmptyDialog::~CEmptyDialog()
{
    GlobalFree(m_template);
}
