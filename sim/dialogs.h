// Dialog windows in process: built from a module's dialog template, with controls whose
// texts a module sets and reads through the ANSI window calls, a dialog procedure that
// hears WM_INITDIALOG on opening and WM_COMMAND for clicks and keys, and the user's
// actions for tests and the program. Texts are single-byte Windows-1252 strings.
#pragma once

#if defined(_WIN32)
#  include "sim/dialogs_win.h"  // the system's real dialogs
#else

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/dialog.h"
#include "sim/dialog_events.h"
#include "sim/dialog_template.h"

// A window: a dialog or one of its controls.
struct HostWindow {
    HostWindow* parent = nullptr;  // the dialog a control belongs to; null for a dialog
    int id = 0;                    // control id; 0 for a dialog
    std::string className;         // lower case: "button", "static", "edit", ...
    std::string text;              // Windows-1252
    DWORD style = 0;
    DWORD exStyle = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units; a control's from its dialog's corner
};

namespace sim {

struct DialogWindow : HostWindow {
    HINSTANCE instance = nullptr;  // the module whose resource it was built from
    int resourceId = 0;
    DLGPROC proc = nullptr;
    DWORD flags = 0;               // oapiOpenDialogEx flags (DLG_CAPTIONCLOSE)
    void* context = nullptr;
    std::vector<std::unique_ptr<HostWindow>> controls;  // in template order, the tab order

    HostWindow* control(int controlId) const;
    // The first push button with BS_DEFPUSHBUTTON, or null.
    HostWindow* defaultButton() const;
};

class Dialogs {
public:
    // Builds the dialog from `tpl` and sends WM_INITDIALOG (lParam: `context`). If the
    // dialog of (instance, resourceId) is open already, that one is returned as it is.
    // Null if the procedure closed the dialog while it opened.
    HWND open(HINSTANCE instance, int resourceId, const DialogTemplate& tpl, DLGPROC proc, DWORD flags,
              void* context);
    HWND find(HINSTANCE instance, int resourceId) const;
    // Closes an open dialog, whose handle and controls' handles are dead from then on.
    // False for any other handle.
    bool close(HWND dialog);
    void closeAll();

    // The open dialog, or the live window (a dialog or a control), behind a handle; null
    // for a closed or unknown one.
    DialogWindow* dialog(HWND window) const;
    HostWindow* window(HWND window) const;
    std::vector<HWND> openDialogs() const;
    // The oapiOpenDialogEx flags an open dialog was opened with (0 for any other handle).
    DWORD flags(HWND dialog) const;
    // The text of a live window ("" for a dead one).
    std::string text(HWND window) const;

    // Sends a message to the dialog's procedure, or to the default handling if it has none.
    INT_PTR send(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    // The host's default handling: WM_COMMAND with IDCANCEL closes the dialog and returns
    // 1; every other message is left unhandled and returns 0.
    INT_PTR defaultProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // The user's actions. Each sends WM_COMMAND (BN_CLICKED in the high word, the control
    // in lParam when there is one) and returns true, or returns false when the action
    // does nothing in this dialog.
    // A click on a visible, enabled button that is not a group box.
    bool click(HWND dialog, int controlId);
    // Enter: the default button, or IDOK when there is none.
    bool pressEnter(HWND dialog);
    // Esc: IDCANCEL.
    bool pressEscape(HWND dialog);
    // The close button in the caption, present when the dialog was opened with
    // DLG_CAPTIONCLOSE: IDCANCEL.
    bool pressCaptionClose(HWND dialog);

private:
    bool command(HWND dialog, int controlId);

    std::vector<std::unique_ptr<DialogWindow>> open_;
};

}  // namespace sim

#endif
