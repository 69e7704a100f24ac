#include "MaskingBuffer.h"

#include <algorithm>

namespace quillan {

MaskingBuffer::MaskingBuffer(std::streambuf& target, std::vector<std::string> texts, std::string mask)
    : m_target(target), m_texts(std::move(texts)), m_mask(std::move(mask)) {
    // Longer texts first, so that one that holds another is replaced whole.
    std::sort(m_texts.begin(), m_texts.end(),
              [](const auto& a, const auto& b) { return a.size() > b.size(); });
    m_texts.erase(std::remove(m_texts.begin(), m_texts.end(), std::string()), m_texts.end());
}

MaskingBuffer::~MaskingBuffer() {
    sync();
}

MaskingBuffer::int_type MaskingBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    m_line += traits_type::to_char_type(c);
    if (c == '\n')
        emit();
    return c;
}

int MaskingBuffer::sync() {
    emit();
    return m_target.pubsync();
}

void MaskingBuffer::emit() {
    for (const std::string& text : m_texts)
        for (size_t at = m_line.find(text); at != std::string::npos;
             at = m_line.find(text, at + m_mask.size())) {
            m_line.replace(at, text.size(), m_mask);
        }
    m_target.sputn(m_line.data(), static_cast<std::streamsize>(m_line.size()));
    m_line.clear();
}

} // namespace quillan
