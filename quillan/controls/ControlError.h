#pragma once

#include <stdexcept>
#include <string>

namespace quillan {

// A run-time error raised by an outside control's member, with the error number the program tests.
class ControlError : public std::runtime_error {
  public:
    ControlError(int number, const std::string& what) : std::runtime_error(what), m_number(number) {}
    int number() const { return m_number; }

  private:
    int m_number;
};

} // namespace quillan
