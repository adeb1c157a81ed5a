// Dialog windows on Windows: the system's own modeless dialogs, created from the
// module's dialog resource with CreateDialogParamA, whose controls the modules find and
// set with the real GetDlgItem and SetWindowTextA, and whose procedure hears the real
// WM_INITDIALOG and WM_COMMAND messages. The user's actions go through the system's
// dialog manager (BM_CLICK, IsDialogMessage, WM_SYSCOMMAND); after each one the thread's
// message queue is pumped. Texts are single-byte Windows-1252 strings.
#pragma once

#include <string>
#include <vector>

#include "host/dialog.h"
#include "sim/dialog_events.h"
#include "sim/dialog_template.h"

namespace sim {

class Dialogs {
public:
    Dialogs() = default;
    ~Dialogs();
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // Creates dialog `resourceId` from the resources of module `instance` and shows it;
    // the system sends WM_INITDIALOG (lParam: `context`). `tpl` is the same resource as
    // the host read it at load time, for the title the event log shows. If the dialog of
    // (instance, resourceId) is open already, that one is returned as it is. Null if the
    // system could not create it.
    HWND open(HINSTANCE instance, int resourceId, const DialogTemplate& tpl, DLGPROC proc, DWORD flags,
              void* context);
    HWND find(HINSTANCE instance, int resourceId) const;
    // Destroys an open dialog. False for any other handle.
    bool close(HWND dialog);
    void closeAll();

    bool isOpen(HWND dialog) const;
    // The oapiOpenDialogEx flags an open dialog was opened with (0 for any other handle).
    DWORD flags(HWND dialog) const;
    std::vector<HWND> openDialogs() const;
    // The text of an open dialog or of one of its controls ("" for any other window).
    std::string text(HWND window) const;

    // Sends a message to an open dialog, through the system's dialog manager.
    INT_PTR send(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // The host's default handling: WM_COMMAND with IDCANCEL closes the dialog and returns
    // 1; every other message is left to the system and returns 0.
    INT_PTR defaultProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // The user's actions, as in the headless host; each returns false when it does
    // nothing in this dialog.
    // A click (BM_CLICK) on a visible, enabled button that is not a group box.
    bool click(HWND dialog, int controlId);
    // Enter, through IsDialogMessage: the default button, or IDOK when there is none.
    bool pressEnter(HWND dialog);
    // Esc, through IsDialogMessage: IDCANCEL.
    bool pressEscape(HWND dialog);
    // The caption's close button (WM_SYSCOMMAND SC_CLOSE), present when the dialog was
    // opened with DLG_CAPTIONCLOSE: the system posts IDCANCEL.
    bool pressCaptionClose(HWND dialog);

    // Dispatches the messages waiting in the thread's queue, keys through the open
    // dialogs' IsDialogMessage.
    void pump();

private:
    struct Open {
        HWND window = nullptr;
        HINSTANCE instance = nullptr;
        int resourceId = 0;
        DWORD flags = 0;
        std::string title;  // Windows-1252
    };
    const Open* record(HWND dialog) const;
    bool key(HWND dialog, WPARAM virtualKey);

    std::vector<Open> open_;
};

}  // namespace sim
