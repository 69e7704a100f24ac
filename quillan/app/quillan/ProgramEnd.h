#pragma once

#include "runtime/FormObserver.h"

namespace quillan {

// The program ends when its main console unloads, which both exit commands do last.
class ProgramEnd : public FormObserver {
  public:
    void formChanged(Form& form, FormProperty property) override;
    void controlChanged(Control&, Property) override {}
};

} // namespace quillan
