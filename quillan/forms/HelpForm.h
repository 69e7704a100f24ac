#pragma once

#include "runtime/CommandButton.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"

#include <memory>
#include <string>
#include <vector>

namespace quillan {

class Forms;

// A static help window: framed paragraphs and one close button that unloads the window.
class HelpForm : public Form {
  public:
    struct Paragraph {
        const char* heading;
        const char* text;
    };

    HelpForm(Forms& forms, const char* name, const char* caption, const char* closeButton,
             const std::vector<Paragraph>& paragraphs);

    CommandButton& closeButton() { return m_close; }

  private:
    std::vector<std::unique_ptr<Control>> m_paragraphs;
    CommandButton m_close;
};

} // namespace quillan
