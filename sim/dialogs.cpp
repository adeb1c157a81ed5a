#include "sim/dialogs.h"

#include <algorithm>
#include <array>

#include "sim/current_host.h"
#include "sim/host.h"
#include "sim/windows1252.h"

namespace sim {

namespace {

// Window style bits and button types the dialog manager looks at.
constexpr DWORD kStyleVisible = 0x10000000;   // WS_VISIBLE
constexpr DWORD kStyleDisabled = 0x08000000;  // WS_DISABLED
constexpr DWORD kButtonTypeMask = 0x0000000F;
constexpr DWORD kDefPushButton = 0x1;         // BS_DEFPUSHBUTTON
constexpr DWORD kGroupBox = 0x7;              // BS_GROUPBOX
constexpr WORD kButtonClicked = 0;            // BN_CLICKED, the notification in WM_COMMAND

// The predefined control classes by template ordinal, from 0x80.
constexpr std::array<const char*, 6> kClassOrdinals{"button", "edit", "static", "listbox", "scrollbar", "combobox"};
constexpr WORD kFirstClassOrdinal = 0x80;
constexpr const char* kDialogClass = "#32770";  // the system's dialog class

std::string className(const ResourceId& cls, const char* fallback)
{
    if (cls.ordinal) {
        const std::size_t k = static_cast<std::size_t>(*cls.ordinal - kFirstClassOrdinal);
        if (*cls.ordinal >= kFirstClassOrdinal && k < kClassOrdinals.size())
            return kClassOrdinals[k];
        return "#" + std::to_string(*cls.ordinal);
    }
    if (cls.name.empty())
        return fallback;
    std::string name = windows1252FromUtf16(cls.name);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return name;
}

bool isButtonType(const HostWindow& w, DWORD type)
{
    return w.className == "button" && (w.style & kButtonTypeMask) == type;
}

bool usable(const HostWindow& w)
{
    return (w.style & kStyleVisible) && !(w.style & kStyleDisabled);
}

WPARAM commandParam(int controlId)
{
    return static_cast<WPARAM>(static_cast<WORD>(controlId)) | (static_cast<WPARAM>(kButtonClicked) << 16);
}

std::unique_ptr<HostWindow> buildControl(const DialogItemTemplate& item, HostWindow& dialog)
{
    auto c = std::make_unique<HostWindow>();
    c->parent = &dialog;
    c->id = static_cast<int>(item.id);
    c->className = className(item.windowClass, "static");
    c->text = item.text.ordinal ? std::string() : windows1252FromUtf16(item.text.name);
    c->style = item.style;
    c->exStyle = item.exStyle;
    c->x = item.x, c->y = item.y, c->cx = item.cx, c->cy = item.cy;
    return c;
}

}  // namespace

HostWindow* DialogWindow::control(int controlId) const
{
    for (const auto& c : controls) {
        if (c->id == controlId)
            return c.get();
    }
    return nullptr;
}

HostWindow* DialogWindow::defaultButton() const
{
    for (const auto& c : controls) {
        if (isButtonType(*c, kDefPushButton))
            return c.get();
    }
    return nullptr;
}

HWND Dialogs::open(HINSTANCE instance, int resourceId, const DialogTemplate& tpl, DLGPROC proc, DWORD flags,
                   void* context)
{
    if (HWND already = find(instance, resourceId))
        return already;
    auto d = std::make_unique<DialogWindow>();
    d->className = className(tpl.windowClass, kDialogClass);
    d->text = windows1252FromUtf16(tpl.title);
    d->style = tpl.style;
    d->exStyle = tpl.exStyle;
    d->x = tpl.x, d->y = tpl.y, d->cx = tpl.cx, d->cy = tpl.cy;
    d->instance = instance;
    d->resourceId = resourceId;
    d->proc = proc;
    d->flags = flags;
    d->context = context;
    for (const DialogItemTemplate& item : tpl.items)
        d->controls.push_back(buildControl(item, *d));
    HWND h = d.get();
    noteDialogEvent("dialog-open", d->text);
    open_.push_back(std::move(d));
    send(h, WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(context));
    return dialog(h) ? h : nullptr;
}

HWND Dialogs::find(HINSTANCE instance, int resourceId) const
{
    for (const auto& d : open_) {
        if (d->instance == instance && d->resourceId == resourceId)
            return d.get();
    }
    return nullptr;
}

bool Dialogs::close(HWND dialogHandle)
{
    const auto it = std::find_if(open_.begin(), open_.end(), [&](const auto& d) { return d.get() == dialogHandle; });
    if (it == open_.end())
        return false;
    noteDialogEvent("dialog-close", (*it)->text);
    open_.erase(it);
    return true;
}

void Dialogs::closeAll()
{
    open_.clear();
}

DialogWindow* Dialogs::dialog(HWND windowHandle) const
{
    for (const auto& d : open_) {
        if (d.get() == windowHandle)
            return d.get();
    }
    return nullptr;
}

HostWindow* Dialogs::window(HWND windowHandle) const
{
    if (!windowHandle)
        return nullptr;
    for (const auto& d : open_) {
        if (d.get() == windowHandle)
            return d.get();
        for (const auto& c : d->controls) {
            if (c.get() == windowHandle)
                return c.get();
        }
    }
    return nullptr;
}

std::vector<HWND> Dialogs::openDialogs() const
{
    std::vector<HWND> out;
    for (const auto& d : open_)
        out.push_back(d.get());
    return out;
}

DWORD Dialogs::flags(HWND dialogHandle) const
{
    const DialogWindow* d = dialog(dialogHandle);
    return d ? d->flags : 0;
}

std::string Dialogs::text(HWND windowHandle) const
{
    const HostWindow* w = window(windowHandle);
    return w ? w->text : std::string();
}

INT_PTR Dialogs::send(HWND dialogHandle, UINT message, WPARAM wParam, LPARAM lParam)
{
    const DialogWindow* d = dialog(dialogHandle);
    if (!d)
        return 0;
    // The procedure may close its own dialog: nothing of `d` is touched after the call.
    if (DLGPROC proc = d->proc)
        return proc(dialogHandle, message, wParam, lParam);
    return defaultProc(dialogHandle, message, wParam, lParam);
}

INT_PTR Dialogs::defaultProc(HWND dialogHandle, UINT message, WPARAM wParam, LPARAM /*lParam*/)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && close(dialogHandle))
        return 1;
    return 0;
}

bool Dialogs::command(HWND dialogHandle, int controlId)
{
    const DialogWindow* d = dialog(dialogHandle);
    if (!d)
        return false;
    HostWindow* control = d->control(controlId);
    send(dialogHandle, WM_COMMAND, commandParam(controlId), reinterpret_cast<LPARAM>(control));
    return true;
}

bool Dialogs::click(HWND dialogHandle, int controlId)
{
    const DialogWindow* d = dialog(dialogHandle);
    const HostWindow* c = d ? d->control(controlId) : nullptr;
    if (!c || c->className != "button" || isButtonType(*c, kGroupBox) || !usable(*c))
        return false;
    return command(dialogHandle, controlId);
}

bool Dialogs::pressEnter(HWND dialogHandle)
{
    const DialogWindow* d = dialog(dialogHandle);
    if (!d)
        return false;
    const HostWindow* def = d->defaultButton();
    if (def && !usable(*def))
        return false;
    return command(dialogHandle, def ? def->id : IDOK);
}

bool Dialogs::pressEscape(HWND dialogHandle)
{
    return command(dialogHandle, IDCANCEL);
}

bool Dialogs::pressCaptionClose(HWND dialogHandle)
{
    const DialogWindow* d = dialog(dialogHandle);
    if (!d || !(d->flags & DLG_CAPTIONCLOSE))
        return false;
    return command(dialogHandle, IDCANCEL);
}

}  // namespace sim
