#pragma once

#include "testsupport/Harness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quillan {

// A harness in a fresh data folder, with helpers to seed the phonebook and files.
class StartupFixture : public ::testing::Test {
protected:
    StartupFixture()
        : dataDir(std::filesystem::temp_directory_path() /
                  ("quillan-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name())),
          harness(makeDir(dataDir)) {}
    ~StartupFixture() override { std::filesystem::remove_all(dataDir); }

    static std::filesystem::path makeDir(const std::filesystem::path& dir) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }

    void addEntry(const std::string& name, const std::string& number = "5550100") {
        harness.dialUp.entries.push_back({name, number});
    }

    // Readable by its owner only, as the program writes its own files.
    void writeFile(const std::string& name, const std::string& text) {
        std::ofstream(dataDir / name, std::ios::binary) << text;
        std::filesystem::permissions(dataDir / name, std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_write);
    }

    std::string readFile(const std::string& name) {
        std::ifstream in(dataDir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    Module1& m() { return harness.module1; }
    Forms& forms() { return *harness.forms; }

    std::filesystem::path dataDir;
    Harness harness;
};

} // namespace quillan
