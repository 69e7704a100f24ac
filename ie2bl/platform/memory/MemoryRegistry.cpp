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

std::optional<std::vector<std::uint8_t>>
MemoryRegistry::queryValue(const std::string& key, const std::string& name, std::size_t capacity) {
    std::lock_guard guard(m_lock);
    auto found = m_values.find(idOf(key, name));
    if (found == m_values.end() || found->second.size() > capacity)
        return std::nullopt;
    return found->second;
}

void MemoryRegistry::store(const std::string& key, const std::string& name, std::vector<std::uint8_t> bytes) {
    std::lock_guard guard(m_lock);
    if (m_writesFail)
        return;
    m_values[idOf(key, name)] = std::move(bytes);
}

void MemoryRegistry::setText(const std::string& key, const std::string& name, const std::string& text) {
    store(key, name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void MemoryRegistry::setNumber(const std::string& key, const std::string& name, std::uint32_t number) {
    std::vector<std::uint8_t> bytes(4);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(number >> (8 * i));
    store(key, name, std::move(bytes));
}

void MemoryRegistry::setBytes(const std::string& key, const std::string& name,
                              std::vector<std::uint8_t> bytes) {
    store(key, name, std::move(bytes));
}

void MemoryRegistry::deleteValue(const std::string& key, const std::string& name) {
    std::lock_guard guard(m_lock);
    if (!m_writesFail)
        m_values.erase(idOf(key, name));
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
    std::lock_guard guard(m_lock);
    auto found = m_values.find(idOf(key, name));
    if (found == m_values.end())
        return {};
    const auto& bytes = found->second;
    return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
}

std::size_t MemoryRegistry::valueCount() const {
    std::lock_guard guard(m_lock);
    return m_values.size();
}

} // namespace ie2bl
