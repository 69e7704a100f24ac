#include "RecordingMessageBoxes.h"

namespace quillan {

MsgAnswer firstButton(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgAnswer::Yes;
    case MsgButtons::OK:
    case MsgButtons::OKCancel:
        break;
    }
    return MsgAnswer::OK;
}

MsgAnswer RecordingMessageBoxes::show(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                      const std::string& title) {
    MsgAnswer answer = firstButton(buttons);
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    m_boxes.push_back({text, buttons, icon, title, answer});
    if (onShow)
        onShow(m_boxes.back());
    return answer;
}

std::vector<RecordingMessageBoxes::Box> RecordingMessageBoxes::take() {
    std::vector<Box> boxes;
    boxes.swap(m_boxes);
    return boxes;
}

} // namespace quillan
