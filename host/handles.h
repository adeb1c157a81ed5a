// Opaque handles the host hands to modules. Each points at a host-side object whose
// definition only the host knows; a module stores and passes them back, nothing more.
#pragma once

struct HostObject;         // a vessel (or other simulated object)
struct HostVisual;         // a vessel's visual: the render-side copy of its meshes
struct HostMesh;           // a mesh, either a vessel's template or a visual's copy
struct HostDock;           // a docking port of a vessel
struct HostPropellant;     // a propellant resource (tank)
struct HostThruster;       // a thruster
struct HostThrusterGroup;  // a group of thrusters under one control
struct HostFile;           // a configuration or scenario file the host has open

using OBJHANDLE = HostObject*;
using VISHANDLE = HostVisual*;
using MESHHANDLE = HostMesh*;
using DOCKHANDLE = HostDock*;
using PROPELLANT_HANDLE = HostPropellant*;
using THRUSTER_HANDLE = HostThruster*;
using THGROUP_HANDLE = HostThrusterGroup*;
using FILEHANDLE = HostFile*;
