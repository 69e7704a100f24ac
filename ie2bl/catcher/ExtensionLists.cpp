#include "catcher/ExtensionLists.h"

#include "catcher/RegistryPaths.h"
#include "catcher/TextUtil.h"

namespace ie2bl {

const std::string ExtensionLists::kWatchDefault = ".ZIP; .EXE; .BIN; .GZ; .Z; .TAR; .ARJ; .LZH;\r\n"
                                                  ".SIT; .HQX; .FML; .VSL; .TGZ;";

const std::string ExtensionLists::kSkipDefault = ".HTML; .HTM; .TXT; .TEXT; .HTS; .STML; \r\n"
                                                 ".GIF; .JPEG; .JPG; .JPE; .ASP; .DLL; \r\n"
                                                 ".CGI; .CLASS; .JAR; .CAB; .CSS; .CHTML; \r\n"
                                                 ".LOG; .SHTML; .JS; .XP; .PL; .CHTM; .ACGI;\r\n"
                                                 ".JAVA; .RAM; .M3U; .MP3URL; .HBS; .PAC;";

ExtensionLists::Lists ExtensionLists::get(ConfigStore& config) {
    std::lock_guard guard(m_lock);
    // An empty stored value leaves the list empty, so it is read again next time.
    if (m_watch.empty())
        m_watch = text::upperCased(config.ReadConfigText(paths::kConfig, "WatchFileTypes", kWatchDefault));
    if (m_skip.empty())
        m_skip = text::upperCased(config.ReadConfigText(paths::kConfig, "WatchFileSkipTypes", kSkipDefault));
    return {m_watch, m_skip};
}

} // namespace ie2bl
