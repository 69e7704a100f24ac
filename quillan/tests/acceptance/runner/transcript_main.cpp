// quillan-transcript DRIVER TRANSCRIPT [--actual]: plays an acceptance transcript against the driver.
#include "TranscriptRunner.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    const bool actual = argc == 4 && std::string(argv[3]) == "--actual";
    if (argc != 3 && !actual) {
        std::cerr << "usage: quillan-transcript DRIVER TRANSCRIPT [--actual]\n";
        return 2;
    }
    try {
        const quillan::TranscriptRunner runner(argv[1]);
        if (actual) {
            runner.printActual(argv[2], std::cout);
            return 0;
        }
        return runner.run(argv[2], std::cout) ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << "quillan-transcript: " << error.what() << '\n';
        return 2;
    }
}
