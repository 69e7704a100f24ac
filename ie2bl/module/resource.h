#pragma once

// Shared by the resource script and the code, so plain defines only.
#define IDS_MONITOR_TITLE 237
#define IDS_ALTERNATE_SOUND_EVENT 395
#define IDS_DEFAULT_BEEP 399

#define IDR_IE2BRISKLET 102
