// Everything a module needs from the host, in one include.
#pragma once

#include "host/dialog.h"
#include "host/handles.h"
#include "host/keys.h"
#include "host/module.h"
#include "host/oapi.h"
#include "host/platform.h"
#include "host/records.h"
#include "host/vector.h"
#include "host/vessel.h"
