#pragma once

#include "runtime/MessageBoxes.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace quillan {

// Message boxes answered from a queue (the first button when it is empty), each one recorded.
class RecordingMessageBoxes : public MessageBoxes {
  public:
    struct Box {
        std::string text;
        MsgButtons buttons;
        MsgIcon icon;
        std::string title;
        MsgAnswer answer;
    };

    MsgAnswer show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;

    void queueAnswer(MsgAnswer answer) { m_answers.push_back(answer); }
    // The boxes shown since the last take, oldest first.
    std::vector<Box> take();
    const std::vector<Box>& shown() const { return m_boxes; }

    // Told of every box as it is shown, before it is answered.
    std::function<void(const Box&)> onShow;

  private:
    std::deque<MsgAnswer> m_answers;
    std::vector<Box> m_boxes;
};

MsgAnswer firstButton(MsgButtons buttons);

} // namespace quillan
