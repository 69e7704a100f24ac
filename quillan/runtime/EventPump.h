#pragma once

namespace quillan {

// Lets the user interface process its pending events in the middle of a long handler.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void doEvents() = 0;
};

} // namespace quillan
