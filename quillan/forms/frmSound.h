#pragma once

#include "SoundChooser.h"

namespace quillan {

// The connect sound: the default flag and the custom path of the settings.
class frmSound : public SoundChooser {
  public:
    static constexpr const char* kName = "frmSound";
    explicit frmSound(Forms& forms);
    void applySettings() override;

  protected:
    void defaultChosen() override;
    void customChosen() override;
    void storeSelection(const std::string& file) override;
    void acceptDefault() override {}
    void acceptNoFile() override;
    void acceptFile() override {}
};

} // namespace quillan
