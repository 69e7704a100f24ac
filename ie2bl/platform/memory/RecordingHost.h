#pragma once

#include "platform/HostServices.h"

#include <map>
#include <set>
#include <vector>

namespace ie2bl {

// Host whose keyboard, windows, string tables and sounds are set up by a test, and which records
// every message posted and sound played.
class RecordingHost : public HostServices {
  public:
    struct PostedMessage {
        WindowHandle window;
        unsigned message;
    };
    struct PlayedSound {
        std::string path;
        unsigned flags;
    };

    void holdKey(ModifierKey key);
    void openWindow(const std::string& title, WindowHandle window);
    void closeWindow(const std::string& title);
    void setOwnString(unsigned id, const std::string& text);
    void setLibraryString(const std::string& path, unsigned id, const std::string& text);
    // Closes the window titled `title` right after the next lookup of it succeeds.
    void closeWindowAfterLookup(const std::string& title);

    bool isKeyHeld(ModifierKey key) override;
    WindowHandle findTopLevelWindow(const std::string& title) override;
    void postMessage(WindowHandle window, unsigned message) override;
    std::string loadOwnString(unsigned id) override;
    std::optional<std::string> loadLibraryString(const std::string& path, unsigned id) override;
    void beep() override;
    void playSoundFile(const std::string& path, unsigned flags) override;
    // Latin-1 stands in for the system code page; other characters become "?".
    std::string toSystemCodePage(std::u16string_view text) override;

    const std::vector<PostedMessage>& posted() const { return m_posted; }
    const std::vector<PlayedSound>& sounds() const { return m_sounds; }
    int beeps() const { return m_beeps; }
    int windowLookups() const { return m_windowLookups; }

  private:
    std::set<ModifierKey> m_held;
    std::map<std::string, WindowHandle> m_windows;
    std::string m_closingTitle;
    std::map<unsigned, std::string> m_ownStrings;
    std::map<std::string, std::map<unsigned, std::string>> m_libraries;
    std::vector<PostedMessage> m_posted;
    std::vector<PlayedSound> m_sounds;
    int m_beeps = 0;
    int m_windowLookups = 0;
};

} // namespace ie2bl
