// Global host services: the vessel list, the camera, mesh materials, the virtual cockpit,
// custom commands, dialogs and the debug line.
#pragma once

#include "host/handles.h"
#include "host/platform.h"
#include "host/records.h"
#include "host/vector.h"

class VESSEL;

// Vessels. Indices run from 0 to oapiGetVesselCount() - 1 and follow creation order.
OAPIFUNC VESSEL* oapiGetVesselInterface(OBJHANDLE vessel);  // null for an unknown handle
OAPIFUNC DWORD oapiGetVesselCount();
OAPIFUNC OBJHANDLE oapiGetVesselByIndex(int index);         // null when out of range
OAPIFUNC OBJHANDLE oapiGetFocusObject();

// The camera's position in the global frame [m].
OAPIFUNC void oapiCameraGlobalPos(VECTOR3* pos);

// Material `index` (from 0, in the mesh file's material list) of a mesh. For a visual's
// mesh this is the live record the host draws with: it stays at its address, readable and
// writable, until the visual is destroyed. Null when out of range.
OAPIFUNC MATERIAL* oapiMeshMaterial(MESHHANDLE mesh, DWORD index);
OAPIFUNC DWORD oapiMeshMaterialCount(MESHHANDLE mesh);

// Links of the virtual cockpit station being loaded: the stations reached by moving left,
// right, up and down; -1 for none.
OAPIFUNC void oapiVCSetNeighbours(int left, int right, int top, int bottom);

// Custom commands the user can pick from a list by label.
using CustomFunc = void (*)(void* context);
OAPIFUNC DWORD oapiRegisterCustomCmd(const char* label, const char* description, CustomFunc func, void* context);
OAPIFUNC bool oapiUnregisterCustomCmd(DWORD cmdId);

// The one-line debug text shown to the user: a writable buffer of at least 256 bytes.
OAPIFUNC char* oapiDebugString();

// Simulation time [s] and step [s].
OAPIFUNC double oapiGetSimTime();
OAPIFUNC double oapiGetSimStep();
