// The vessel interface: VESSEL, the host's operations on one vessel, and VESSEL2, the
// callbacks through which the host drives a vessel module.
//
// Frames: "vessel frame" is the vessel's own left-handed frame (+x right, +y up,
// +z forward) with its origin at the vessel's centre of gravity. "Global frame" is the
// host's inertial frame, positions relative to the reference body. Units are SI.
#pragma once

#include "host/handles.h"
#include "host/platform.h"
#include "host/records.h"
#include "host/vector.h"

class OAPIFUNC VESSEL {
public:
    // Binds the interface to the host's vessel `hVessel`. `flightModel` is 0 (simple) or
    // 1 (realistic).
    VESSEL(OBJHANDLE hVessel, int flightModel = 1);
    ~VESSEL();
    VESSEL(const VESSEL&) = delete;
    VESSEL& operator=(const VESSEL&) = delete;

    OBJHANDLE GetHandle() const { return hObject_; }
    int FlightModel() const { return flightModel_; }
    // 0 for a plain VESSEL, 2 for a VESSEL2 whose callbacks the host may call.
    int Version() const { return version_; }

    // Identity. Both strings are owned by the host and live as long as the vessel.
    const char* GetName() const;
    const char* GetClassNameA() const;  // may be null for a vessel without a class

    // Propellant. `mass` -1 creates the resource full. Efficiency 0..1.
    PROPELLANT_HANDLE CreatePropellantResource(double maxMass, double mass = -1.0, double efficiency = 1.0);
    void SetDefaultPropellantResource(PROPELLANT_HANDLE ph);
    double GetFuelMass() const;  // mass in the default resource [kg]; 0 without one
    double GetPropellantMass(PROPELLANT_HANDLE ph) const;
    double GetMass() const;      // current total mass [kg]

    // Mass properties. SetPMI takes mass-normalised principal moments [m^2]; the host
    // multiplies them by the current mass. ShiftCG moves the vessel frame's origin by
    // `shift` [m, vessel frame]: meshes, docks, thrusters and camera move by -shift.
    void SetEmptyMass(double mass);
    void SetPMI(const VECTOR3& pmi);
    void GetPMI(VECTOR3& pmi) const;
    void ShiftCG(const VECTOR3& shift);

    // Size and visibility. Size is the mean radius [m]; the clip radius bounds the near
    // plane [m]; the visibility limit is the apparent size (fraction of the viewport)
    // below which the vessel is not drawn, the spot limit that of its dot (-1: same).
    void SetSize(double size);
    double GetSize() const;
    void SetClipRadius(double radius);
    void SetVisibilityLimit(double visLimit, double spotLimit = -1.0);

    // Meshes. AddMesh numbers a vessel's meshes 0, 1, 2, ... in the order added and
    // places the named mesh (no extension; resolved under Meshes/) at `offset` [m].
    UINT AddMesh(const char* meshName, const VECTOR3* offset = nullptr);
    void SetMeshVisibilityMode(UINT meshIndex, WORD mode);
    // The visual's own copy of mesh `index`; null when out of range.
    MESHHANDLE GetMesh(VISHANDLE visual, UINT index) const;

    // Docking ports, numbered 0, 1, ... in creation order. Position [m], approach
    // direction and rotation reference (unit vectors), all in the vessel frame.
    DOCKHANDLE CreateDock(const VECTOR3& pos, const VECTOR3& dir, const VECTOR3& rot);
    DOCKHANDLE GetDockHandle(UINT port) const;  // null when there is no such port
    void GetDockParams(DOCKHANDLE dock, VECTOR3& pos, VECTOR3& dir, VECTOR3& rot) const;
    UINT DockCount() const;
    // Non-zero when something is docked at `port`.
    UINT DockingStatus(UINT port) const;
    // Releases `port` (with `exclude` null: whatever is there). False when nothing was docked.
    bool Undock(UINT port, OBJHANDLE exclude = nullptr) const;
    // The centre of gravity of the whole docked superstructure, in this vessel's frame [m].
    // False, and (0, 0, 0), when the vessel is not docked to anything.
    bool GetSuperstructureCG(VECTOR3& cg) const;

    // State. GetStatusEx fills a VESSELSTATUS2 whose version word the caller set to 2.
    void GetStatusEx(void* status) const;
    void GetGlobalPos(VECTOR3& pos) const;
    void GetGlobalVel(VECTOR3& vel) const;
    // Maps a point from the vessel frame to the global frame; `global` may alias `local`.
    void Local2Global(const VECTOR3& local, VECTOR3& global) const;
    void Global2Local(const VECTOR3& global, VECTOR3& local) const;

    // Beacon lights. The host keeps `spec` (and what it points at) for the vessel's life.
    void AddBeacon(BEACONLIGHTSPEC* spec);

    // Cockpit camera. Offset [m, vessel frame]; direction a unit vector in the vessel
    // frame, tilt about it [rad]; rotation range from the default direction [rad].
    void SetCameraOffset(const VECTOR3& offset);
    void SetCameraDefaultDirection(const VECTOR3& direction);
    void SetCameraDefaultDirection(const VECTOR3& direction, double tilt);
    void GetCameraDefaultDirection(VECTOR3& direction) const;
    void SetCameraRotationRange(double left, double right, double up, double down);

    // True while the host replays a recorded flight.
    bool Playback() const;

    // Thrusters. Position [m] and thrust direction (unit) in the vessel frame; thrust [N];
    // specific impulses [m/s] in vacuum and at the reference pressure `pRef` [Pa].
    THRUSTER_HANDLE CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxThrust,
                                   PROPELLANT_HANDLE propellant = nullptr, double isp = 0.0,
                                   double ispRef = 0.0, double pRef = 101.4e3);
    THGROUP_HANDLE CreateThrusterGroup(THRUSTER_HANDLE* thrusters, int count, THGROUP_TYPE type);
    void SetThrusterGroupLevel(THGROUP_TYPE type, double level);
    double GetThrusterGroupLevel(THGROUP_TYPE type) const;

protected:
    int version_ = 0;

private:
    OBJHANDLE hObject_;
    int flightModel_;
};

// Callbacks with the host's default behaviour. A module overrides those it needs.
class VESSEL2 : public VESSEL {
public:
    VESSEL2(OBJHANDLE hVessel, int flightModel = 1) : VESSEL(hVessel, flightModel) { version_ = 2; }

    // Once, after creation: declare the vessel's capabilities. `cfg` is the class's
    // configuration file.
    virtual void clbkSetClassCaps(FILEHANDLE cfg) { (void)cfg; }
    // Once, after all vessels of the scenario exist.
    virtual void clbkPostCreation() {}
    // Focus moved to (`gotFocus` true) or away from this vessel.
    virtual void clbkFocusChanged(bool gotFocus, OBJHANDLE newFocus, OBJHANDLE oldFocus)
    {
        (void)gotFocus, (void)newFocus, (void)oldFocus;
    }
    // Before each time step: simulation time [s], step length [s], modified Julian date.
    virtual void clbkPreStep(double simt, double simdt, double mjd) { (void)simt, (void)simdt, (void)mjd; }
    // After each time step.
    virtual void clbkPostStep(double simt, double simdt, double mjd) { (void)simt, (void)simdt, (void)mjd; }
    // The vessel's visual was created / is about to be destroyed. `refcount` counts the
    // visuals of this vessel that exist.
    virtual void clbkVisualCreated(VISHANDLE visual, int refcount) { (void)visual, (void)refcount; }
    virtual void clbkVisualDestroyed(VISHANDLE visual, int refcount) { (void)visual, (void)refcount; }
    // A port docked (`mate` non-null) or undocked (`mate` null).
    virtual void clbkDockEvent(int port, OBJHANDLE mate) { (void)port, (void)mate; }
    // A buffered key went down or up. Return non-zero to stop the host's own handling.
    virtual int clbkConsumeBufferedKey(DWORD key, bool down, char* keyState)
    {
        (void)key, (void)down, (void)keyState;
        return 0;
    }
    // The generic cockpit view was selected. Return true if the vessel supports it.
    virtual bool clbkLoadGenericCockpit() { return false; }
    // Virtual cockpit station `id` was selected. Return true if it exists.
    virtual bool clbkLoadVC(int id)
    {
        (void)id;
        return false;
    }
};
