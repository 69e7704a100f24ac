#pragma once

#include <string>

// Files next to the running test program, where the build puts the DLL and its helpers.
class TestFiles {
  public:
    static std::wstring besideProgram(const std::wstring& name);
    // Runs a command line and waits for it; the exit code, or -1 when it did not start.
    static long runAndWait(const std::wstring& commandLine);
};
