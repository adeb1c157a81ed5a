// The pass at the start of every time step while the dialog is open: the payload angle
// in degrees, rewritten every 0.1 s of simulation time, and the armed release in the
// step before the angle falls through zero from positive values.

#include <cstdio>

#include "payload_release/release_module.h"

namespace payload_release {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr const char* kNoAngleText = "-xxx.xx";
constexpr const char* kReleaseFailed = "Veskar error releasing paylod";
constexpr std::size_t kAngleTextSize = 16;  // "-180.00" and the degree sign, with room

void showNoPayload(HWND dialog)
{
    setArmed(dialog, false);
    SetWindowTextA(GetDlgItem(dialog, IDC_ANGLE_TEXT), kNoAngleText);
}

// The angle [rad] is still positive, but its linear extrapolation one step ahead, the
// angle plus its last change, is negative. Exactly 0 and NaN never qualify.
bool releaseDue(double angle, double change)
{
    return armed && angle + change < 0.0 && angle > 0.0;
}

void showAngle(HWND dialog, double angle, double stepLength)
{
    if (refreshTimer < kRefreshInterval) {
        refreshTimer += stepLength;
        return;
    }
    refreshTimer = 0.0;
    char text[kAngleTextSize];
    std::snprintf(text, sizeof text, "%.2f\xB0", angle * 180.0 / kPi);  // 0xB0: the degree sign
    SetWindowTextA(GetDlgItem(dialog, IDC_ANGLE_TEXT), text);
}

void preStep(double stepLength)
{
    HWND dialog = oapiFindDialog(moduleInstance, IDD_PAYLOAD_RELEASE);
    if (!dialog)
        return;
    Veskar* tether = liveTether();
    if (!tether) {
        closeWithoutTether(dialog);
        return;
    }
    if (!tether->hasPayload()) {
        showNoPayload(dialog);  // previousAngle and refreshTimer stay as they are
        return;
    }
    const double angle = tether->getPayloadVVAngle();
    const double change = angle - previousAngle;
    previousAngle = angle;
    if (releaseDue(angle, change)) {
        if (!tether->releasePayload()) {
            showMessage(kReleaseFailed);  // still armed: the next step tries again
            return;
        }
        setArmed(dialog, false);
    }
    showAngle(dialog, angle, stepLength);
}

}  // namespace

}  // namespace payload_release

DLLCLBK void opcPreStep(double /*simt*/, double simdt, double /*mjd*/)
{
    payload_release::preStep(simdt);
}
