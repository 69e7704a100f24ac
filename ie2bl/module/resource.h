#pragma once

// Shared by the resource script and the code, so plain defines only.
#include "catcher/StringIds.h"

#define IDR_IE2BRISKLET 102
