// Platform glue for the host interface: export macros and the Windows scalar types the
// interface uses. On Windows the real <windows.h> supplies the types; elsewhere we define
// the few we need with the same widths.
#pragma once

#include <cstdint>

#if defined(_WIN32)
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#  if defined(HOST_BUILDING_HOST)
#    define OAPIFUNC __declspec(dllexport)
#  else
#    define OAPIFUNC __declspec(dllimport)
#  endif
#  define DLLCLBK extern "C" __declspec(dllexport)
#  define MODULE_EXPORT __declspec(dllexport)
#  define MODULE_IMPORT __declspec(dllimport)
#else
// Host operations live in the host library and are resolved when a module is loaded.
#  define OAPIFUNC __attribute__((visibility("default")))
// Module entry points the host looks up by name.
#  define DLLCLBK extern "C" __attribute__((visibility("default")))
#  define MODULE_EXPORT __attribute__((visibility("default")))
#  define MODULE_IMPORT __attribute__((visibility("default")))
#  define CALLBACK

using DWORD = std::uint32_t;   // 32-bit unsigned, as on Windows
using WORD = std::uint16_t;
using UINT = unsigned int;
using BOOL = int;
using INT_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;

// Opaque window and module-instance handles. The headless host defines the tags.
struct HostWindow;
struct HostModule;
using HWND = HostWindow*;
using HINSTANCE = HostModule*;
#endif
