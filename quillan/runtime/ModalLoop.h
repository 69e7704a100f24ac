#pragma once

namespace quillan {

class Form;

// Runs the user interface until a modally shown form is hidden or unloaded.
class ModalLoop {
  public:
    virtual ~ModalLoop() = default;
    virtual void runModal(Form& form) = 0;
};

} // namespace quillan
