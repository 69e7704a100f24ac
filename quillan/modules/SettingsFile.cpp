#include "SettingsFile.h"

#include "runtime/AtomicFile.h"
#include "Numeric.h"
#include "SettingsLayout.h"
#include "TextFile.h"

#include <iterator>
#include <limits>
#include <system_error>

namespace quillan {

namespace {

constexpr size_t kProfileRecordSize = 1 + std::size(kProfileFields);

std::string shown(std::string_view text) {
    constexpr size_t kShown = 40;
    if (text.size() > kShown)
        return "\"" + std::string(text.substr(0, kShown)) + "...\"";
    return "\"" + std::string(text) + "\"";
}

[[noreturn]] void refuseToRead(const std::filesystem::path& file, const std::string& reason) {
    throw SettingsFileError("The settings file \"" + file.string() + "\" cannot be used: " + reason);
}

[[noreturn]] void refuseToSave(const std::filesystem::path& file, const std::string& reason) {
    throw SettingsFileError("The settings file \"" + file.string() + "\" could not be saved: " + reason);
}

// Hands out the file's lines in order, counting from 1, and reports running past the end.
class LineReader {
  public:
    LineReader(std::string_view contents, const std::filesystem::path& file)
        : m_lines(splitLines(contents)), m_file(file) {}

    std::string_view next() {
        if (m_next >= m_lines.size())
            refuseToRead(m_file, "line " + std::to_string(m_next + 1) +
                                     " is missing; the file ends before all the settings were read.");
        return m_lines[m_next++];
    }
    size_t lineNumber() const { return m_next; }

  private:
    std::vector<std::string_view> m_lines;
    std::filesystem::path m_file;
    size_t m_next = 0;
};

LoadedSettings readProfiles(LineReader& lines, const std::filesystem::path& file,
                            KeyedCollection& profiledata) {
    LoadedSettings loaded;
    std::string_view line = lines.next();
    while (line != kDefaultProfileMarker) {
        if (line == kProfileSectionMarker) {
            line = lines.next();
            continue;
        }
        const std::string name(line);
        const std::string clash = profileKeyClash(profiledata, name);
        if (!clash.empty())
            refuseToRead(file, "the profile name " + shown(name) + " on line " +
                                   std::to_string(lines.lineNumber()) +
                                   " cannot be told apart from the profile " + shown(clash) +
                                   " (one name is the other followed by a word such as \"Username\").");
        if (loaded.profileNames.size() == std::numeric_limits<std::int16_t>::max())
            refuseToRead(file,
                         "line " + std::to_string(lines.lineNumber()) + " starts one profile too many.");
        profiledata.add(name, name);
        for (const char* field : kProfileFields)
            profiledata.add(name + field, std::string(lines.next()));
        loaded.profileNames.push_back(name);
        line = lines.next();
    }
    loaded.profileCount = static_cast<std::int16_t>(loaded.profileNames.size());
    return loaded;
}

std::int16_t readNumber(LineReader& lines, const std::filesystem::path& file) {
    const std::string_view line = lines.next();
    const auto number = toInt16(line);
    if (!number)
        refuseToRead(file, "line " + std::to_string(lines.lineNumber()) +
                               " should hold a whole number from -32768 to 32767, but it holds " +
                               shown(line) + ".");
    return *number;
}

void readField(LineReader& lines, const std::filesystem::path& file, const SettingField& field,
               SettingsRecord& settings) {
    struct Reader {
        LineReader& lines;
        const std::filesystem::path& file;
        const SettingField& field;
        SettingsRecord& settings;
        void operator()(std::string SettingsRecord::*member) const {
            const std::string_view line = lines.next();
            settings.*member = field.trimmedOnLoad ? trimBlanks(line) : std::string(line);
        }
        void operator()(std::int16_t SettingsRecord::*member) const {
            settings.*member = readNumber(lines, file);
        }
        void operator()(NumberOrText SettingsRecord::*member) const {
            settings.*member = trimBlanks(lines.next());
        }
    };
    std::visit(Reader{lines, file, field, settings}, field.member);
}

} // namespace

bool fileExists(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    return !error && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

LoadedSettings loadSettings(const std::filesystem::path& file, Module1& m) {
    std::string contents;
    try {
        contents = readFileContents(file);
    } catch (const std::system_error& error) {
        refuseToRead(file, std::string(error.what()) + ".");
    }
    return loadSettingsText(contents, file, m);
}

LoadedSettings loadSettingsText(std::string_view contents, const std::filesystem::path& file, Module1& m) {
    LineReader lines(contents, file);
    Module1 loaded = m;
    loaded.profiledata.clear();
    loaded.programdata.clear();
    LoadedSettings result = readProfiles(lines, file, loaded.profiledata);
    // The profile records end at the default-profile marker, which opens the layout.
    for (const char* entry : settingsLayout().subspan(1)) {
        if (isSectionMarker(entry))
            lines.next();
        else if (entry == std::string_view(kProgramDataLine))
            for (const auto& key : programDataKeys())
                loaded.programdata.add(key, std::string(lines.next()));
        else
            readField(lines, file, *findSettingField(entry), loaded.settings);
    }
    m = std::move(loaded);
    return result;
}

namespace {

// Collects the file's lines, refusing any value that would break the line layout.
class SettingsWriter {
  public:
    explicit SettingsWriter(const std::filesystem::path& file) : m_file(file) {}

    void line(std::string_view value, std::string_view what) {
        if (value.find_first_of("\r\n") != std::string_view::npos)
            refuseToSave(m_file, std::string(what) + " holds a line break, which the file cannot keep.");
        m_text.append(value);
        m_text.append("\r\n");
    }
    void field(const SettingsRecord& settings, const SettingField& field) {
        struct Text {
            const SettingsRecord& settings;
            std::string operator()(std::string SettingsRecord::*member) const { return settings.*member; }
            std::string operator()(std::int16_t SettingsRecord::*member) const {
                return formatNumber(settings.*member);
            }
            std::string operator()(NumberOrText SettingsRecord::*member) const {
                const auto& value = settings.*member;
                if (const auto* number = std::get_if<std::int16_t>(&value))
                    return formatNumber(*number);
                return std::get<std::string>(value);
            }
        };
        line(std::visit(Text{settings}, field.member), std::string("The setting ") + field.name);
    }
    const std::string& text() const { return m_text; }

  private:
    std::filesystem::path m_file;
    std::string m_text;
};

void writeProfiles(SettingsWriter& writer, const std::filesystem::path& file,
                   const KeyedCollection& profiledata) {
    writer.line(kProfileSectionMarker, "");
    const auto& items = profiledata.items();
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& [key, value] = items[i];
        // A name equal to a marker would end or skip the profile records when read back.
        if (i % kProfileRecordSize == 0 && (value == kDefaultProfileMarker || value == kProfileSectionMarker))
            refuseToSave(file, "the profile name " + shown(value) + " is a section marker of the file.");
        writer.line(value, "The profile value " + shown(key));
    }
}

} // namespace

void saveSettings(const std::filesystem::path& file, const Module1& m, const std::string& startUrlBoxText,
                  const std::string& redialBoxText) {
    SettingsWriter writer(file);
    writeProfiles(writer, file, m.profiledata);
    for (const char* entry : settingsLayout()) {
        const std::string_view name = entry;
        if (isSectionMarker(name))
            writer.line(name, "");
        else if (name == kProgramDataLine)
            for (const auto& key : programDataKeys())
                writer.line(m.programdata.value(key), "The launcher value " + key);
        else if (name == "starturl")
            writer.line(startUrlBoxText, "The start page");
        else if (name == "redialcount")
            writer.line(redialBoxText, "The redial count");
        else
            writer.field(m.settings, *findSettingField(name));
    }
    try {
        writeFileAtomically(file, writer.text(), 0600);
    } catch (const std::system_error& error) {
        refuseToSave(file, std::string(error.what()) + ".");
    }
}

} // namespace quillan
