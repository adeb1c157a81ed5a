// Keyboard scan codes the host passes to VESSEL2::clbkConsumeBufferedKey.
#pragma once

#include "host/platform.h"

constexpr DWORD OAPI_KEY_ESCAPE = 0x01;
constexpr DWORD OAPI_KEY_RETURN = 0x1C;
constexpr DWORD OAPI_KEY_L = 0x26;
