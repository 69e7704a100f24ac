// quillan-driver: the program headless, driven by commands on standard input.
#include "Driver.h"
#include "DriverOptions.h"

#include "testsupport/Harness.h"
#include "testsupport/TemporaryFolder.h"

#include <exception>
#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    using namespace quillan;
    try {
        const DriverOptions options = DriverOptions::parse({argv + 1, argv + argc});
        std::unique_ptr<TemporaryFolder> scratch;
        std::filesystem::path dataDir;
        if (options.dataDir) {
            dataDir = *options.dataDir;
            std::filesystem::create_directories(dataDir);
        } else {
            scratch = std::make_unique<TemporaryFolder>("quillan-driver");
            dataDir = scratch->path();
        }
        Harness harness(dataDir, options.clock);
        // The user's desktop, for the shortcuts the program puts there; its programs menu it makes itself.
        std::filesystem::create_directories(harness.services.desktop.desktop);
        Driver driver(harness, std::cin, std::cout, options.echo);
        driver.run();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "quillan-driver: " << error.what() << '\n';
        return 2;
    }
}
