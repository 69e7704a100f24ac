#pragma once

#include "SoundChooser.h"

namespace quillan {

// The new-mail sound: one setting, "Default", a file, or "none"/"None"; shown on the configuration console.
class frmMailSound : public SoundChooser {
  public:
    static constexpr const char* kName = "frmMailSound";
    explicit frmMailSound(Forms& forms);
    void applySettings() override;

  protected:
    void defaultChosen() override;
    void customChosen() override;
    void storeSelection(const std::string& file) override;
    void acceptDefault() override;
    void acceptNoFile() override;
    void acceptFile() override;

  private:
    void showOnConsole(const std::string& text);
};

} // namespace quillan
