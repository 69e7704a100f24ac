#pragma once

#include <streambuf>
#include <string>
#include <vector>

namespace quillan {

// Passes whole lines on to another buffer with every occurrence of some texts replaced, so that the
// driver prints a path inside its (temporary) data folder the same way on every run.
class MaskingBuffer : public std::streambuf {
  public:
    MaskingBuffer(std::streambuf& target, std::vector<std::string> texts, std::string mask);
    ~MaskingBuffer() override;

  protected:
    int_type overflow(int_type c) override;
    int sync() override;

  private:
    void emit();

    std::streambuf& m_target;
    std::vector<std::string> m_texts;
    std::string m_mask;
    std::string m_line;
};

} // namespace quillan
