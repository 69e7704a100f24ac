#include "KeyedCollection.h"

namespace quillan {

long KeyedCollection::find(const std::string& key) const {
    const auto found = m_positions.find(key);
    return found == m_positions.end() ? -1 : static_cast<long>(found->second);
}

void KeyedCollection::renumberFrom(size_t first) {
    for (size_t i = first; i < m_items.size(); ++i)
        m_positions[m_items[i].first] = i;
}

std::optional<std::string> KeyedCollection::item(const std::string& key) const {
    long i = find(key);
    if (i < 0)
        return std::nullopt;
    return m_items[static_cast<size_t>(i)].second;
}

bool KeyedCollection::insertAt(size_t position, const std::string& key, const std::string& value) {
    if (contains(key))
        return false;
    m_items.insert(m_items.begin() + static_cast<long>(position), Item{key, value});
    renumberFrom(position);
    return true;
}

bool KeyedCollection::add(const std::string& key, const std::string& value) {
    return insertAt(m_items.size(), key, value);
}

bool KeyedCollection::addBefore(const std::string& key, const std::string& value, const std::string& before) {
    long anchor = find(before);
    return anchor >= 0 && insertAt(static_cast<size_t>(anchor), key, value);
}

bool KeyedCollection::addAfter(const std::string& key, const std::string& value, const std::string& after) {
    long anchor = find(after);
    return anchor >= 0 && insertAt(static_cast<size_t>(anchor) + 1, key, value);
}

bool KeyedCollection::remove(const std::string& key) {
    long i = find(key);
    if (i < 0)
        return false;
    m_positions.erase(key);
    m_items.erase(m_items.begin() + i);
    renumberFrom(static_cast<size_t>(i));
    return true;
}

bool KeyedCollection::replace(const std::string& key, const std::string& value) {
    long i = find(key);
    if (i < 0)
        return false;
    m_items[static_cast<size_t>(i)].second = value;
    return true;
}

} // namespace quillan
