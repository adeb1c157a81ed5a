// Veskar: a rigid orbital tether vessel about 120 km long. Public header of the Veskar
// module; other modules include it for the three exported payload members.
#pragma once

#include <cstdint>

#include "host/host.h"
#include "veskar/export.h"
#include "veskar/tether_assembly.h"

class Veskar final : public VESSEL2 {
public:
    Veskar(OBJHANDLE vesselHandle, int flightModel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
    void clbkPostCreation() override;
    void clbkPreStep(double simt, double simdt, double mjd) override;
    void clbkVisualCreated(VISHANDLE visual, int refcount) override;
    void clbkVisualDestroyed(VISHANDLE visual, int refcount) override;
    int clbkConsumeBufferedKey(DWORD key, bool down, char* keyState) override;
    bool clbkLoadGenericCockpit() override;
    bool clbkLoadVC(int id) override;

    // Payload interface, exported for other modules.
    // The payload angle [rad, -pi..pi]: the signed angle between the tether's direction
    // (superstructure centre of gravity to payload port) and the upward normal to the
    // velocity in the orbit plane; negative while the port is ahead along the velocity.
    VESKAR_API double getPayloadVVAngle();
    // True when something is docked at the payload port.
    VESKAR_API bool hasPayload();
    // Undocks whatever is at the payload port; the host's result.
    VESKAR_API bool releasePayload();

    // Read access for inspection and tests.
    std::int32_t lights() const { return lightFlag; }
    const TetherAssembly& assembly() const { return tether; }
    TetherAssembly& assembly() { return tether; }
    std::uint32_t payloadPort() const { return payloadDock; }

private:
    // Non-zero: beacons and lamps on. Starts at 1, matching the lit state every new visual
    // starts in, so the first press of the light key puts the lights out.
    std::int32_t lightFlag = 1;
    TetherAssembly tether;
    std::uint32_t payloadDock = 0;  // index of the payload port, set by clbkSetClassCaps
};
