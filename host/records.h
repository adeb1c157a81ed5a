// Plain records exchanged between the host and its modules, with the host's field order.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/handles.h"
#include "host/platform.h"
#include "host/vector.h"

// A beacon light. The host keeps the address given to VESSEL::AddBeacon for the vessel's
// life and reads every field afresh whenever it draws; a module changes a light by writing
// the record, with no further call.
struct BEACONLIGHTSPEC {
    DWORD shape;       // 0 compact, 1 diffuse, 2 star
    VECTOR3* pos;      // position in vessel frame [m]; the host reads through the pointer
    VECTOR3* col;      // colour (r, g, b), each 0..1
    double size;       // radius [m]
    double falloff;    // 0: the host does not scale the size with distance
    double period;     // blink period [s]; 0 shines steadily
    double duration;   // lit time within each period [s]
    double tofs;       // time offset of the blink [s]
    bool active;       // drawn at all
};

// Colour with alpha, 32-bit floats 0..1.
struct COLOUR4 {
    float r;
    float g;
    float b;
    float a;
};

// A mesh material as the host stores it: four colours then the specular power, seventeen
// 32-bit floats. Modules copy it as one block.
struct MATERIAL {
    COLOUR4 diffuse;
    COLOUR4 ambient;
    COLOUR4 specular;
    COLOUR4 emissive;
    float power;
};
static_assert(sizeof(MATERIAL) == 17 * sizeof(float), "MATERIAL is seventeen floats");

// Vessel status, version 2, filled by VESSEL::GetStatusEx. The caller sets `version` to 2
// first. The two handles are padded to 64 bits each so that the position sits at byte 24
// and the velocity at byte 48 on 32-bit and 64-bit targets alike.
struct VESSELSTATUS2 {
    DWORD version;      // must be 2
    DWORD flag;         // reserved, 0
    union {
        OBJHANDLE rbody;  // reference body (null: the host's one central body)
        std::uint64_t rbodyPad;
    };
    union {
        OBJHANDLE base;   // surface base when landed (null)
        std::uint64_t basePad;
    };
    VECTOR3 rpos;       // position relative to the reference body, global frame [m]
    VECTOR3 rvel;       // velocity relative to the reference body, global frame [m/s]
    VECTOR3 vrot;       // angular velocity, vessel frame [rad/s]
    VECTOR3 arot;       // attitude angles (a, b, c) [rad], R = Rx(a) Ry(b) Rz(c)
    int status;         // 0 flying (orbiting), 1 landed
    int port;           // unused, -1
    double fuel;        // default propellant level 0..1
};
static_assert(offsetof(VESSELSTATUS2, rpos) == 24, "status position at byte 24");
static_assert(offsetof(VESSELSTATUS2, rvel) == 48, "status velocity at byte 48");

// Thruster group types. The main group is 0.
enum THGROUP_TYPE : int {
    THGROUP_MAIN = 0,
    THGROUP_RETRO,
    THGROUP_HOVER,
    THGROUP_USER = 0x40,
};

// Mesh visibility modes for VESSEL::SetMeshVisibilityMode (bit flags).
constexpr WORD MESHVIS_NEVER = 0x00;
constexpr WORD MESHVIS_EXTERNAL = 0x01;
constexpr WORD MESHVIS_COCKPIT = 0x02;
constexpr WORD MESHVIS_ALWAYS = MESHVIS_EXTERNAL | MESHVIS_COCKPIT;  // 3
constexpr WORD MESHVIS_VC = 0x04;
