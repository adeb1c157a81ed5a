// The release dialog's procedure: button 1 arms the release while a payload is docked and
// disarms it again; cancel (Esc, or the caption's close button) disarms and closes.

#include "payload_release/release_module.h"

namespace payload_release {

namespace {

constexpr INT_PTR kHandled = 1;

void onArmButton(HWND dialog)
{
    if (armed) {
        setArmed(dialog, false);
        return;
    }
    Veskar* tether = liveTether();
    if (!tether) {
        closeWithoutTether(dialog);
    } else if (tether->hasPayload()) {
        setArmed(dialog, true);
    } else {
        armed = false;  // nothing to release: the dialog closes, as on cancel
        oapiCloseDialog(dialog);
    }
}

}  // namespace

void setArmed(HWND dialog, bool on)
{
    armed = on;
    SetWindowTextA(GetDlgItem(dialog, IDC_ARM_BUTTON), on ? kDisarmText : kArmText);
}

INT_PTR CALLBACK releaseDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return kHandled;
    if (message == WM_COMMAND) {
        switch (LOWORD(wParam)) {
        case IDC_ARM_BUTTON:
            onArmButton(dialog);
            return kHandled;
        case IDCANCEL:
            armed = false;
            oapiCloseDialog(dialog);
            return kHandled;
        default:
            break;
        }
    }
    return oapiDefDialogProc(dialog, message, wParam, lParam);
}

}  // namespace payload_release
