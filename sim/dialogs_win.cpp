#include "sim/dialogs.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "sim/windows1252.h"

namespace sim {

namespace {

constexpr const char* kOriginalProc = "veskar.host.buttonproc";  // window property
constexpr int kPumpLimit = 10000;  // messages per pump: a queue that never empties is cut off

std::string windowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    const int n = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(n, 0)));
    return text;
}

bool isClass(HWND window, const char* name)
{
    char cls[32] = {};
    GetClassNameA(window, cls, sizeof cls);
    return lstrcmpiA(cls, name) == 0;
}

// A button's caption tells the user what state a dialog is in: its changes go to the
// event log, as in the headless host. Buttons are subclassed for it when a dialog opens.
LRESULT CALLBACK buttonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(button, kOriginalProc));
    if (message == WM_SETTEXT && lParam) {
        const char* next = reinterpret_cast<const char*>(lParam);
        if (windowText(button) != next)
            noteDialogEvent("control-text", next);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(button, kOriginalProc);
    }
    return CallWindowProcA(original, button, message, wParam, lParam);
}

BOOL CALLBACK watchButton(HWND child, LPARAM)
{
    if (isClass(child, "Button")) {
        const LONG_PTR original = SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&buttonProc));
        SetPropA(child, kOriginalProc, reinterpret_cast<HANDLE>(original));
    }
    return TRUE;
}

LONG_PTR styleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

}  // namespace

Dialogs::~Dialogs()
{
    closeAll();
}

HWND Dialogs::open(HINSTANCE instance, int resourceId, const DialogTemplate& tpl, DLGPROC proc, DWORD flags,
                   void* context)
{
    if (HWND already = find(instance, resourceId))
        return already;
    HWND dialog = CreateDialogParamA(instance, MAKEINTRESOURCEA(resourceId), nullptr, proc,
                                     reinterpret_cast<LPARAM>(context));
    if (!dialog)
        return nullptr;
    // Logged once it exists; nothing of it reaches the log before (its buttons are watched
    // from here on).
    const std::string title = windows1252FromUtf16(tpl.title);
    noteDialogEvent("dialog-open", title);
    open_.push_back({dialog, instance, resourceId, flags, title});
    if (flags & DLG_CAPTIONCLOSE) {
        SetWindowLongPtrA(dialog, GWL_STYLE, styleOf(dialog) | WS_SYSMENU);
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EnumChildWindows(dialog, watchButton, 0);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    pump();
    return dialog;
}

HWND Dialogs::find(HINSTANCE instance, int resourceId) const
{
    for (const Open& d : open_) {
        if (d.instance == instance && d.resourceId == resourceId)
            return d.window;
    }
    return nullptr;
}

bool Dialogs::close(HWND dialog)
{
    const auto it = std::find_if(open_.begin(), open_.end(), [&](const Open& d) { return d.window == dialog; });
    if (it == open_.end())
        return false;
    noteDialogEvent("dialog-close", it->title);
    open_.erase(it);
    DestroyWindow(dialog);
    return true;
}

void Dialogs::closeAll()
{
    while (!open_.empty()) {
        HWND dialog = open_.back().window;
        open_.pop_back();
        DestroyWindow(dialog);
    }
}

const Dialogs::Open* Dialogs::record(HWND dialog) const
{
    if (!dialog)
        return nullptr;
    const auto it = std::find_if(open_.begin(), open_.end(), [&](const Open& d) { return d.window == dialog; });
    return it == open_.end() ? nullptr : &*it;
}

bool Dialogs::isOpen(HWND dialog) const
{
    return record(dialog) != nullptr;
}

DWORD Dialogs::flags(HWND dialog) const
{
    const Open* d = record(dialog);
    return d ? d->flags : 0;
}

std::vector<HWND> Dialogs::openDialogs() const
{
    std::vector<HWND> out;
    for (const Open& d : open_)
        out.push_back(d.window);
    return out;
}

std::string Dialogs::text(HWND window) const
{
    for (const Open& d : open_) {
        if (window && (window == d.window || IsChild(d.window, window)))
            return windowText(window);
    }
    return {};
}

INT_PTR Dialogs::send(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!isOpen(dialog))
        return 0;
    const LRESULT result = SendMessageA(dialog, message, wParam, lParam);
    pump();
    return result;
}

INT_PTR Dialogs::defaultProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && close(dialog))
        return 1;
    return 0;
}

bool Dialogs::click(HWND dialog, int controlId)
{
    HWND button = isOpen(dialog) ? GetDlgItem(dialog, controlId) : nullptr;
    if (!button || !isClass(button, "Button"))
        return false;
    const LONG_PTR style = styleOf(button);
    if ((style & BS_TYPEMASK) == BS_GROUPBOX || !(style & WS_VISIBLE) || (style & WS_DISABLED))
        return false;
    SendMessageA(button, BM_CLICK, 0, 0);
    pump();
    return true;
}

bool Dialogs::key(HWND dialog, WPARAM virtualKey)
{
    HWND focus = GetFocus();
    MSG msg{};
    msg.hwnd = focus && (focus == dialog || IsChild(dialog, focus)) ? focus : dialog;
    msg.message = WM_KEYDOWN;
    msg.wParam = virtualKey;
    msg.time = GetTickCount();
    IsDialogMessageA(dialog, &msg);
    pump();
    return true;
}

bool Dialogs::pressEnter(HWND dialog)
{
    if (!isOpen(dialog))
        return false;
    const LRESULT defId = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(defId) == DC_HASDEFID) {
        HWND button = GetDlgItem(dialog, LOWORD(defId));
        if (button && (!(styleOf(button) & WS_VISIBLE) || !IsWindowEnabled(button)))
            return false;
    }
    return key(dialog, VK_RETURN);
}

bool Dialogs::pressEscape(HWND dialog)
{
    return isOpen(dialog) && key(dialog, VK_ESCAPE);
}

bool Dialogs::pressCaptionClose(HWND dialog)
{
    if (!(flags(dialog) & DLG_CAPTIONCLOSE))
        return false;
    SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    pump();
    return true;
}

void Dialogs::pump()
{
    MSG msg;
    for (int n = 0; n < kPumpLimit && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        // A message may close dialogs: the list is taken before any is handled.
        const std::vector<HWND> dialogs = openDialogs();
        const bool forDialog = std::any_of(dialogs.begin(), dialogs.end(), [&](HWND d) {
            return (msg.hwnd == d || IsChild(d, msg.hwnd)) && IsDialogMessageA(d, &msg);
        });
        if (!forDialog) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

}  // namespace sim
