#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillan {

// An ordered collection of texts, each under a unique key; order is insertion order unless an item
// is placed before or after another. Keys compare exactly (case counts).
class KeyedCollection {
  public:
    using Item = std::pair<std::string, std::string>; // key, value

    bool contains(const std::string& key) const { return find(key) >= 0; }
    // Where the key is in items(), or nullopt.
    std::optional<size_t> position(const std::string& key) const {
        const long i = find(key);
        return i < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(i));
    }
    std::optional<std::string> item(const std::string& key) const;
    // The value, or "" when the key is missing.
    std::string value(const std::string& key) const { return item(key).value_or(""); }

    // Each returns false (and changes nothing) when the key is already there, or the anchor missing.
    bool add(const std::string& key, const std::string& value);
    bool addBefore(const std::string& key, const std::string& value, const std::string& before);
    bool addAfter(const std::string& key, const std::string& value, const std::string& after);
    bool remove(const std::string& key);
    // Removes the item and adds it again with the new value at the same place.
    bool replace(const std::string& key, const std::string& value);
    void clear() {
        m_items.clear();
        m_positions.clear();
    }

    size_t count() const { return m_items.size(); }
    const std::vector<Item>& items() const { return m_items; }

  private:
    long find(const std::string& key) const;
    bool insertAt(size_t position, const std::string& key, const std::string& value);
    // Positions from first on have moved.
    void renumberFrom(size_t first);

    std::vector<Item> m_items;
    // Where each key is in m_items, so that look-ups and adds at the end take constant time.
    std::unordered_map<std::string, size_t> m_positions;
};

} // namespace quillan
