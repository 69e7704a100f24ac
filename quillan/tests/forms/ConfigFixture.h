#pragma once

#include "forms/frmConfig.h"
#include "forms/frmStart.h"
#include "testsupport/Harness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <stdlib.h>

namespace quillan {

// Names the controls that were given the focus, in order.
class FocusRecorder : public FormObserver {
  public:
    void formChanged(Form&, FormProperty) override {}
    void controlChanged(Control& control, Property property) override {
        if (property == Property::Focus)
            focused.push_back(control.name());
    }
    std::vector<std::string> focused;
};

// A program started for the first time in a data folder of its own, with the configuration console open.
class ConfigFixture : public ::testing::Test {
  protected:
    ConfigFixture() : h(makeDataDir()) {
        h.services.observers.push_back(&focus);
        h.forms->get<frmStart>();
        config = &h.forms->get<frmConfig>();
        config->show();
        forget();
    }
    ~ConfigFixture() override { std::filesystem::remove_all(h.services.dataDir); }

    static std::filesystem::path makeDataDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quillan-config-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a data folder for the test");
        return pattern;
    }

    Module1& m() { return h.module1; }
    SettingsRecord& settings() { return h.module1.settings; }
    const std::filesystem::path& dataDir() const { return h.services.dataDir; }

    // A profile as the phonebook reconciliation leaves it: a record and a line in the console's list.
    void addProfile(const std::string& name, const std::string& user = "", const std::string& password = "",
                    const std::string& domain = "") {
        addDefaultProfile(m().profiledata, name);
        m().profiledata.replace(name + "Username", user);
        m().profiledata.replace(name + "Password", password);
        m().profiledata.replace(name + "Domain", domain);
        config->listProfiles.addItem(name);
    }
    void select(const std::string& name) {
        config->listProfiles.userChoose(config->listProfiles.indexOf(name));
    }

    std::vector<std::string> profileKeys() const {
        std::vector<std::string> keys;
        for (const auto& item : h.module1.profiledata.items())
            keys.push_back(item.first);
        return keys;
    }

    void forget() {
        h.boxes.take();
        h.effects.take();
        focus.focused.clear();
    }

    std::string readFile(const char* name) const {
        std::ifstream in(dataDir() / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    FocusRecorder focus;
    Harness h;
    frmConfig* config = nullptr;
};

} // namespace quillan
