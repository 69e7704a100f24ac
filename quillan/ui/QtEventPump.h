#pragma once

#include "runtime/EventPump.h"

#include <QCoreApplication>

namespace quillan {

class QtEventPump : public EventPump {
  public:
    void doEvents() override { QCoreApplication::processEvents(); }
};

} // namespace quillan
