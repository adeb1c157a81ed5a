// Entry points the host looks up by name in a module.
//
// Vessel modules:
//   DLLCLBK VESSEL* ovcInit(OBJHANDLE vessel, int flightModel);  // create the vessel object
//   DLLCLBK void ovcExit(VESSEL* vessel);                        // destroy it (null: nothing)
// Plug-in modules:
//   DLLCLBK void InitModule(HINSTANCE instance);   // once, after loading
//   DLLCLBK void ExitModule(HINSTANCE instance);   // once, before unloading
//   DLLCLBK void opcPreStep(double simt, double simdt, double mjd);  // start of each step
#pragma once

#include "host/handles.h"
#include "host/platform.h"

class VESSEL;

using OvcInitFunc = VESSEL* (*)(OBJHANDLE, int);
using OvcExitFunc = void (*)(VESSEL*);
using InitModuleFunc = void (*)(HINSTANCE);
using ExitModuleFunc = void (*)(HINSTANCE);
using OpcPreStepFunc = void (*)(double, double, double);
