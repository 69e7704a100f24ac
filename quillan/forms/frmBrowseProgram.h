#pragma once

#include "ProgramPicker.h"

#include <cstdint>

namespace quillan {

// Picks the program of one launcher slot.
class frmBrowseProgram : public ProgramPicker {
  public:
    static constexpr const char* kName = "frmBrowseProgram";
    explicit frmBrowseProgram(Forms& forms);

    // The launcher slot (1 to 5) the picked path is for.
    std::int16_t who = 0;

  protected:
    void Command1_Click() override;
};

} // namespace quillan
