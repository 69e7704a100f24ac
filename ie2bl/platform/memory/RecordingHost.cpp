#include "platform/memory/RecordingHost.h"

namespace ie2bl {

void RecordingHost::holdKey(ModifierKey key) {
    m_held.insert(key);
}

void RecordingHost::openWindow(const std::string& title, WindowHandle window) {
    m_windows[title] = window;
}

void RecordingHost::closeWindow(const std::string& title) {
    m_windows.erase(title);
}

void RecordingHost::closeWindowAfterLookup(const std::string& title) {
    m_closingTitle = title;
}

void RecordingHost::setOwnString(unsigned id, const std::string& text) {
    m_ownStrings[id] = text;
}

void RecordingHost::setLibraryString(const std::string& path, unsigned id, const std::string& text) {
    m_libraries[path][id] = text;
}

bool RecordingHost::isKeyHeld(ModifierKey key) {
    return m_held.count(key) != 0;
}

WindowHandle RecordingHost::findTopLevelWindow(const std::string& title) {
    ++m_windowLookups;
    auto found = m_windows.find(title);
    if (found == m_windows.end())
        return 0;
    const WindowHandle window = found->second;
    if (title == m_closingTitle) {
        m_windows.erase(found);
        m_closingTitle.clear();
    }
    return window;
}

void RecordingHost::postMessage(WindowHandle window, unsigned message) {
    m_posted.push_back({window, message});
}

std::string RecordingHost::loadOwnString(unsigned id) {
    auto found = m_ownStrings.find(id);
    return found == m_ownStrings.end() ? std::string() : found->second;
}

std::optional<std::string> RecordingHost::loadLibraryString(const std::string& path, unsigned id) {
    auto library = m_libraries.find(path);
    if (library == m_libraries.end())
        return std::nullopt;
    auto found = library->second.find(id);
    return found == library->second.end() ? std::string() : found->second;
}

void RecordingHost::beep() {
    ++m_beeps;
}

void RecordingHost::playSoundFile(const std::string& path, unsigned flags) {
    m_sounds.push_back({path, flags});
}

std::string RecordingHost::toSystemCodePage(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char16_t unit : text)
        result.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    return result;
}

} // namespace ie2bl
