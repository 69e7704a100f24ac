#pragma once

#include "forms/FormCatalog.h"
#include "forms/Forms.h"
#include "runtime/CheckBox.h"
#include "runtime/ComboBox.h"
#include "runtime/CommandButton.h"
#include "runtime/Frame.h"
#include "runtime/ListBox.h"
#include "runtime/MenuItem.h"
#include "runtime/OptionButton.h"
#include "runtime/TabControl.h"
#include "runtime/TextBox.h"
#include "runtime/Timer.h"

#include <string>
#include <vector>

namespace quillan {

// A window with one control of each kind that records what its handlers saw, so the driver's
// commands can be tested apart from the program's own windows.
class frmDriverTest : public Form {
  public:
    static constexpr const char* kName = "frmDriverTest";
    explicit frmDriverTest(Forms& forms) : Form(forms.services(), kName, "Driver test", 1200) {
        textName.KeyPress = [this](char& c) {
            log.push_back(std::string("KeyPress ") + c);
            if (c == '!')
                c = 0;
        };
        textName.Change = [this] { log.push_back("Change " + textName.text()); };
        textName.LostFocus = [this] { log.push_back("LostFocus"); };
        listNames.Click = [this] { log.push_back("Click " + listNames.text()); };
        listTicks.ItemCheck = [this](int line) { log.push_back("ItemCheck " + std::to_string(line)); };
        checkFlag.Click = [this] { log.push_back("Click checkFlag " + std::to_string(checkFlag.value())); };
        optionA.Click = [this] { log.push_back("Click optionA"); };
        optionB.Click = [this] { log.push_back("Click optionB"); };
        cmdGo.Click = [this] { log.push_back("Click cmdGo"); };
        mItem.Click = [this] { log.push_back("Click mItem"); };
        timerTick.Tick = [this] { log.push_back("Tick"); };
        timerTick.setInterval(1000);
        mSep.setCaption("-");
        for (const char* name : {"alpha", "beta", "gamma"}) {
            listNames.addItem(name);
            listTicks.addItem(name);
        }
    }

    TextBox textName{*this, "textName"};
    ListBox listNames{*this, "listNames"};
    ListBox listTicks{*this, "listTicks", nullptr, -1, true};
    CheckBox checkFlag{*this, "checkFlag"};
    Frame frameChoice{*this, "frameChoice"};
    OptionButton optionA{*this, "optionA", &frameChoice};
    OptionButton optionB{*this, "optionB", &frameChoice};
    CommandButton cmdGo{*this, "cmdGo"};
    TabControl tabs{*this, "tabs", {"first", "second"}};
    CommandButton cmdOnSecond{*this, "cmdOnSecond", &tabs, 1};
    MenuItem mMenu{*this, "mMenu"};
    MenuItem mItem{*this, "mItem", &mMenu};
    MenuItem mSep{*this, "mSep", &mMenu};
    Timer timerTick{*this, "timerTick"};

    std::vector<std::string> log;
};

} // namespace quillan
