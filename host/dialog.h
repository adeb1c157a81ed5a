// Dialog services: the host's dialog calls and the Windows dialog functions and constants
// modules use with them. On Windows the real ones come from <windows.h>; elsewhere the
// headless host supplies them with the same names and values.
#pragma once

#include "host/platform.h"

#if !defined(_WIN32)
using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

inline WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }

// A control of a dialog by id; null when there is none.
extern "C" OAPIFUNC HWND GetDlgItem(HWND dialog, int id);
// Sets a window's (a control's) text, a single-byte Windows-1252 string.
extern "C" OAPIFUNC BOOL SetWindowTextA(HWND window, const char* text);
// Copies a window's text into `buffer` (at most `size` bytes, terminator included);
// returns the number of bytes copied without the terminator.
extern "C" OAPIFUNC int GetWindowTextA(HWND window, char* buffer, int size);
#endif

// oapiOpenDialogEx flag: the dialog gets a close button in its caption, which arrives at
// the dialog procedure as WM_COMMAND with IDCANCEL.
constexpr DWORD DLG_CAPTIONCLOSE = 0x0002;

// Opens dialog resource `resourceId` of module `instance` with procedure `proc`. Returns
// the dialog's window, or null. Only one dialog per (instance, resource id) is open.
OAPIFUNC HWND oapiOpenDialogEx(HINSTANCE instance, int resourceId, DLGPROC proc, DWORD flags = 0,
                               void* context = nullptr);
// The open dialog of (instance, resource id), or null.
OAPIFUNC HWND oapiFindDialog(HINSTANCE instance, int resourceId);
OAPIFUNC bool oapiCloseDialog(HWND dialog);
// The host's default handling of a dialog message; returns what the dialog should return.
OAPIFUNC INT_PTR oapiDefDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
