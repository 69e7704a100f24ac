#pragma once

#include "ControlBinding.h"

#include "runtime/CheckBox.h"
#include "runtime/Form.h"
#include "runtime/FormObserver.h"
#include "runtime/Frame.h"
#include "runtime/ListBox.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"
#include "testsupport/Harness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace quillan {

// A form with one control of each kind that the user works, and what its handlers saw.
struct SampleForm : Form {
    explicit SampleForm(Services& services) : Form(services, "sample", "Sample") {
        checkTick.Click = [this] {
            events.push_back("checkTick_Click " + std::to_string(checkTick.value()));
        };
        optionA.Click = [this] { events.push_back("optionA_Click"); };
        optionB.Click = [this] { events.push_back("optionB_Click"); };
        textName.KeyPress = [this](char& c) {
            events.push_back(std::string("textName_KeyPress ") + c);
            if (c >= '0' && c <= '9')
                c = 0;
        };
        textName.Change = [this] { events.push_back("textName_Change " + textName.text()); };
        textName.LostFocus = [this] { events.push_back("textName_LostFocus"); };
        listNames.Click = [this] { events.push_back("listNames_Click " + listNames.text()); };
        listTicks.ItemCheck = [this](int i) { events.push_back("listTicks_ItemCheck " + std::to_string(i)); };
        timerTick.Tick = [this] { events.push_back("timerTick_Timer"); };
    }

    TabControl tabs{*this, "tabs", {"First", "Second"}};
    CheckBox checkTick{*this, "checkTick", &tabs, 0};
    Frame frameChoice{*this, "frameChoice", &tabs, 0};
    OptionButton optionA{*this, "optionA", &frameChoice};
    OptionButton optionB{*this, "optionB", &frameChoice};
    OptionButton optionOutside{*this, "optionOutside", &tabs, 0};
    TextBox textName{*this, "textName", &tabs, 0};
    TextBox textOther{*this, "textOther", &tabs, 0};
    TextBox textLines{*this, "textLines", &tabs, 0};
    ListBox listNames{*this, "listNames", &tabs, 1};
    ListBox listTicks{*this, "listTicks", &tabs, 1, true};
    Timer timerTick{*this, "timerTick"};

    std::vector<std::string> events;
    std::vector<std::string> takeEvents() { return std::exchange(events, {}); }
};

// The sample form bound to hand-made widgets of the same names, shown offscreen.
class BoundForm : public FormObserver {
  public:
    BoundForm();
    ~BoundForm() override;

    void formChanged(Form&, FormProperty) override {}
    void controlChanged(Control& control, Property property) override;

    template <class W> W* widget(const std::string& name) {
        return m_window.findChild<W*>(QString::fromStdString(name));
    }

    Harness harness;
    std::unique_ptr<SampleForm> form;

  private:
    std::map<const Control*, std::unique_ptr<ControlBinding>> m_bindings;
    QWidget m_window;
};

} // namespace quillan
