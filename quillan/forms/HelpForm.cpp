#include "HelpForm.h"

#include "Forms.h"

namespace quillan {

HelpForm::HelpForm(Forms& forms, const char* name, const char* caption, const char* closeButton,
                   const std::vector<Paragraph>& paragraphs)
    : Form(forms.services(), name, caption, 4800), m_close(*this, closeButton) {
    int n = 1;
    for (const Paragraph& paragraph : paragraphs) {
        const std::string number = std::to_string(n++);
        auto frame = std::make_unique<Frame>(*this, "frameHelp" + number);
        frame->setCaption(paragraph.heading);
        auto label = std::make_unique<Label>(*this, "labelHelp" + number, frame.get());
        label->setCaption(paragraph.text);
        m_paragraphs.push_back(std::move(frame));
        m_paragraphs.push_back(std::move(label));
    }
    m_close.setCaption("&OK");
    m_close.Click = [this] { unload(); };
}

} // namespace quillan
