#include "TranscriptRunner.h"

#include "DriverProcess.h"
#include "LineDiff.h"

#include "testsupport/TemporaryFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace quillan {

namespace {

Transcript load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return Transcript::parse({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

// Seeded files are readable by their owner only, as the program writes its own.
void seed(const Transcript::Run& run, const std::filesystem::path& dataDir) {
    for (const Transcript::SeedFile& file : run.files) {
        std::ofstream(dataDir / file.name, std::ios::binary | std::ios::trunc) << file.content();
        std::filesystem::permissions(dataDir / file.name, std::filesystem::perms::owner_read |
                                                              std::filesystem::perms::owner_write);
    }
}

// Calls back with each run and the driver's answer to it, all on one data folder.
template <class Visit>
void play(const std::filesystem::path& driver, const Transcript& transcript, Visit visit) {
    TemporaryFolder scratch("quillan-transcript");
    const auto dataDir = scratch.path() / "data";
    std::filesystem::create_directory(dataDir);
    for (const Transcript::Run& run : transcript.runs()) {
        seed(run, dataDir);
        visit(run, DriverProcess::run(driver, dataDir, run.clock, run.commands, scratch.path()));
    }
}

} // namespace

bool TranscriptRunner::run(const std::filesystem::path& transcriptFile, std::ostream& report) const {
    const Transcript transcript = load(transcriptFile);
    bool passed = true;
    size_t number = 0;
    play(m_driver, transcript, [&](const Transcript::Run& run, const DriverProcess::Result& result) {
        ++number;
        std::vector<std::string> expected;
        for (const Transcript::Line& line : run.expected)
            expected.push_back(line.text);
        const auto edits = LineDiff::between(expected, result.output);
        const bool same = std::all_of(edits.begin(), edits.end(),
                                      [](const LineDiff::Edit& e) { return e.kind == LineDiff::Kind::Same; });
        if (same && result.exitCode == 0)
            return;
        passed = false;
        report << transcriptFile.string() << ", run " << number << ": ";
        if (result.exitCode != 0)
            report << "the driver exited with " << result.exitCode << ": " << result.errors << '\n';
        if (!same) {
            report << "output differs (- expected, + actual)\n";
            report << LineDiff::format(expected, result.output, edits, 3, [&](size_t i) {
                return "line " + std::to_string(run.expected[i].number);
            });
        }
    });
    return passed;
}

void TranscriptRunner::printActual(const std::filesystem::path& transcriptFile, std::ostream& out) const {
    const Transcript transcript = load(transcriptFile);
    bool first = true;
    play(m_driver, transcript, [&](const Transcript::Run& run, const DriverProcess::Result& result) {
        if (!first)
            out << "@restart\n";
        first = false;
        if (run.clock)
            out << "@clock " << *run.clock << '\n';
        for (const Transcript::SeedFile& file : run.files) {
            out << (file.crlf ? "@file " : "@file-lf ") << file.name << '\n';
            for (const std::string& line : file.lines)
                out << line << '\n';
            out << "@end\n";
        }
        for (const std::string& line : result.output)
            out << line << '\n';
        if (result.exitCode != 0)
            out << "# the driver exited with " << result.exitCode << ": " << result.errors << '\n';
    });
}

} // namespace quillan
