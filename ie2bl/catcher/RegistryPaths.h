#pragma once

// Keys owned by the download manager, all under HKEY_CURRENT_USER.
namespace ie2bl::paths {

inline constexpr const char* kConfig = "Software\\Glenmarch\\Brisklet\\Config";
inline constexpr const char* kFileQueue = "Software\\Glenmarch\\Brisklet\\FileQueue";
inline constexpr const char* kSounds = "Software\\Glenmarch\\Brisklet\\ConfigSnd";

} // namespace ie2bl::paths
