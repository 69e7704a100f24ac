#pragma once

#include "testsupport/Harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace quillan {

// A harness in a fresh data folder, with helpers to seed the phonebook and files.
class StartupFixture : public ::testing::Test {
  protected:
    StartupFixture() : dataDir(makeDir()), harness(dataDir) {}
    ~StartupFixture() override { std::filesystem::remove_all(dataDir); }

    // Unique, so that runs of the same test side by side cannot share a folder.
    static std::filesystem::path makeDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() /
             ("quillan-test-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
              "-XXXXXX"))
                .string();
        return ::mkdtemp(pattern.data());
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
