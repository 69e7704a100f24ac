#pragma once

#include "ControlBinding.h"

#include <QAbstractButton>

namespace quillan {

class CommandButton;

// A push button or picture button; a picture button without a caption keeps its designed text and icon.
class ButtonBinding : public ControlBinding {
  public:
    ButtonBinding(CommandButton& button, QAbstractButton& widget);
    void refresh(Property property, bool initial) override;
};

} // namespace quillan
