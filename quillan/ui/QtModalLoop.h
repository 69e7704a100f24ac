#pragma once

#include "runtime/FormObserver.h"
#include "runtime/ModalLoop.h"

#include <QEventLoop>

#include <vector>

namespace quillan {

// Runs a nested event loop for each modally shown form; it ends when the form is hidden or unloaded.
// Registered as an observer so that it hears of that.
class QtModalLoop : public ModalLoop, public FormObserver {
  public:
    void runModal(Form& form) override;
    void formChanged(Form& form, FormProperty property) override;
    void controlChanged(Control&, Property) override {}

  private:
    struct Running {
        Form* form;
        QEventLoop* loop;
    };
    std::vector<Running> m_running;
};

} // namespace quillan
