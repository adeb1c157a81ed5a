// The custom command: opens the release dialog, finds the tether vessel and names it in
// the dialog; and the check, made before every use, that the tether still exists.

#include <cstdio>
#include <cstring>

#include "payload_release/release_module.h"

namespace payload_release {

namespace {

constexpr const char* kTetherClass = "Veskar";
constexpr const char* kTetherNotFound = "Veskar-class vessel not found!";
// "Tether: " and a vessel name of up to 119 characters; a longer name is cut short.
constexpr std::size_t kCaptionSize = 128;

bool isTetherClass(const VESSEL* vessel)
{
    const char* cls = vessel ? vessel->GetClassNameA() : nullptr;
    return cls && std::strcmp(cls, kTetherClass) == 0;
}

// The first vessel of class "Veskar" in index order, or null. The count is asked afresh
// before each index.
VESSEL* findTether()
{
    for (DWORD i = 0; i < oapiGetVesselCount(); ++i) {
        VESSEL* vessel = oapiGetVesselInterface(oapiGetVesselByIndex(static_cast<int>(i)));
        if (isTetherClass(vessel))
            return vessel;
    }
    return nullptr;
}

}  // namespace

Veskar* liveTether()
{
    if (!tetherVessel)
        return nullptr;
    const VESSEL* kept = tetherVessel;
    for (DWORD i = 0; i < oapiGetVesselCount(); ++i) {
        const VESSEL* vessel = oapiGetVesselInterface(oapiGetVesselByIndex(static_cast<int>(i)));
        if (vessel == kept && isTetherClass(vessel))
            return tetherVessel;
    }
    tetherVessel = nullptr;
    return nullptr;
}

void showMessage(const char* text)
{
    std::snprintf(oapiDebugString(), kDebugLineSize, "%s", text);
}

void closeWithoutTether(HWND dialog)
{
    armed = false;
    showMessage(kTetherNotFound);
    oapiCloseDialog(dialog);
}

void openReleaseDialog(void* /*context*/)
{
    HWND dialog = oapiOpenDialogEx(moduleInstance, IDD_PAYLOAD_RELEASE, releaseDialogProc, DLG_CAPTIONCLOSE, nullptr);
    VESSEL* found = findTether();
    if (!found) {
        closeWithoutTether(dialog);  // tetherVessel keeps its value
        return;
    }
    tetherVessel = static_cast<Veskar*>(found);
    const char* name = found->GetName();
    char caption[kCaptionSize];
    std::snprintf(caption, sizeof caption, "Tether: %s", name ? name : "");
    SetWindowTextA(GetDlgItem(dialog, IDC_TETHER_GROUP), caption);
    refreshTimer = kRefreshInterval;  // the next time step writes the angle at once
}

}  // namespace payload_release
