// quillan-driver: the program headless, driven by commands on standard input.
#include "Driver.h"
#include "DriverOptions.h"
#include "MaskingBuffer.h"

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
            // Absolute, so that a change of the current folder (cd) leaves it where it is.
            dataDir = std::filesystem::absolute(*options.dataDir);
            std::filesystem::create_directories(dataDir);
        } else {
            scratch = std::make_unique<TemporaryFolder>("quillan-driver");
            dataDir = scratch->path();
        }
        // Paths inside the data folder print as DATA/..., whichever folder this run has.
        std::error_code error;
        MaskingBuffer masked(*std::cout.rdbuf(),
                             {std::filesystem::absolute(dataDir).string(),
                              std::filesystem::canonical(dataDir, error).string()},
                             "DATA");
        std::ostream out(&masked);
        Harness harness(dataDir, options.clock);
        // The user's desktop, for the shortcuts the program puts there; its programs menu it makes itself.
        std::filesystem::create_directories(harness.services.desktop.desktop);
        if (options.echoHost)
            harness.net.echoHost = *options.echoHost;
        Driver driver(harness, std::cin, out, options.echo);
        driver.run();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "quillan-driver: " << error.what() << '\n';
        return 2;
    }
}
