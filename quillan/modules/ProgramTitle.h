#pragma once

namespace quillan {

// The program's title, used for message box titles and window captions.
inline constexpr const char* kProgramTitle = "Quillan";

} // namespace quillan
