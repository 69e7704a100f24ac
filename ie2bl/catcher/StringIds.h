#pragma once

// Ids of the string table, shared by the resource script and the code, so plain defines only.
#define IDS_MONITOR_TITLE 237
#define IDS_ALTERNATE_SOUND_EVENT 395
#define IDS_DEFAULT_BEEP 399
