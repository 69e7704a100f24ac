#include "platform/memory/MemoryRegistry.h"

#include <algorithm>
#include <cctype>

namespace ie2bl {

namespace {

std::string folded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

MemoryRegistry::ValueId MemoryRegistry::idOf(const std::string& key, const std::string& name) {
    return {folded(key), folded(name)};
}

KeyHandle MemoryRegistry::openKey(const std::string& path, KeyAccess access) {
    std::lock_guard guard(m_lock);
    const std::string key = folded(path);
    if (access == KeyAccess::Query) {
        ++m_traffic.queryOpens;
        if (m_keys.count(key) == 0)
            return 0;
    } else {
        ++m_traffic.writeOpens;
        if (m_writesFail)
            return 0;
        m_keys.insert(key);
    }
    const KeyHandle handle = m_nextHandle++;
    m_open[handle] = {key, access};
    return handle;
}

void MemoryRegistry::closeKey(KeyHandle key) {
    std::lock_guard guard(m_lock);
    m_open.erase(key);
}

const MemoryRegistry::OpenKey* MemoryRegistry::openedAs(KeyHandle key, KeyAccess access) const {
    const auto found = m_open.find(key);
    return found != m_open.end() && found->second.access == access ? &found->second : nullptr;
}

bool MemoryRegistry::queryValue(KeyHandle key, const std::string& name, std::size_t limit,
                                std::string& bytes) {
    std::lock_guard guard(m_lock);
    ++m_traffic.reads;
    const OpenKey* open = openedAs(key, KeyAccess::Query);
    if (open == nullptr)
        return false;
    const auto found = m_values.find({open->path, folded(name)});
    if (found == m_values.end() || found->second.size() > limit)
        return false;
    // Like the system: a value larger than the buffer asks for a second call.
    if (found->second.size() > bytes.size())
        ++m_traffic.reads;
    bytes = found->second;
    return true;
}

void MemoryRegistry::setValue(KeyHandle key, const std::string& name, ValueType, std::string_view bytes) {
    std::lock_guard guard(m_lock);
    ++m_traffic.writes;
    const OpenKey* open = openedAs(key, KeyAccess::SetValue);
    if (open != nullptr && !m_writesFail)
        m_values[{open->path, folded(name)}] = std::string(bytes);
}

void MemoryRegistry::deleteValue(KeyHandle key, const std::string& name) {
    std::lock_guard guard(m_lock);
    ++m_traffic.writes;
    const OpenKey* open = openedAs(key, KeyAccess::SetValue);
    if (open != nullptr && !m_writesFail)
        m_values.erase({open->path, folded(name)});
}

void MemoryRegistry::store(const std::string& key, const std::string& name, std::string bytes) {
    std::lock_guard guard(m_lock);
    m_keys.insert(folded(key));
    m_values[idOf(key, name)] = std::move(bytes);
}

void MemoryRegistry::setText(const std::string& key, const std::string& name, const std::string& text) {
    store(key, name, text);
}

void MemoryRegistry::setNumber(const std::string& key, const std::string& name, std::uint32_t number) {
    std::string bytes(4, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(number >> (8 * i));
    store(key, name, std::move(bytes));
}

void MemoryRegistry::setBytes(const std::string& key, const std::string& name,
                              std::vector<std::uint8_t> bytes) {
    store(key, name, std::string(bytes.begin(), bytes.end()));
}

void MemoryRegistry::setWritesFail(bool fail) {
    std::lock_guard guard(m_lock);
    m_writesFail = fail;
}

bool MemoryRegistry::hasValue(const std::string& key, const std::string& name) const {
    std::lock_guard guard(m_lock);
    return m_values.count(idOf(key, name)) != 0;
}

std::string MemoryRegistry::text(const std::string& key, const std::string& name) const {
    const std::string stored = bytes(key, name);
    return std::string(stored.begin(), std::find(stored.begin(), stored.end(), '\0'));
}

std::string MemoryRegistry::bytes(const std::string& key, const std::string& name) const {
    std::lock_guard guard(m_lock);
    const auto found = m_values.find(idOf(key, name));
    return found == m_values.end() ? std::string() : found->second;
}

std::size_t MemoryRegistry::valueCount() const {
    std::lock_guard guard(m_lock);
    return m_values.size();
}

MemoryRegistry::Traffic MemoryRegistry::traffic() const {
    std::lock_guard guard(m_lock);
    Traffic traffic = m_traffic;
    traffic.stillOpen = static_cast<int>(m_open.size());
    return traffic;
}

void MemoryRegistry::resetTraffic() {
    std::lock_guard guard(m_lock);
    m_traffic = {};
}

} // namespace ie2bl
