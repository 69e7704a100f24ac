#pragma once

namespace quillan {

// Milliseconds since the kernel started this process (to the kernel's tick), or -1 when unknown.
long processAgeMs();

} // namespace quillan
