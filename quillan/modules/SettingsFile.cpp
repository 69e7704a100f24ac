#include "SettingsFile.h"

#include "Numeric.h"
#include "SettingsLayout.h"
#include "TextFile.h"
#include "runtime/AtomicFile.h"
#include "runtime/RegularFile.h"

#include <iterator>
#include <limits>
#include <system_error>

namespace quillan {

namespace {

constexpr size_t kProfileRecordSize = 1 + std::size(kProfileFields);

// The text quoted for a message, cut short, with control characters written out (\r, \n, \0...).
std::string shown(std::string_view text) {
    constexpr size_t kShown = 40;
    std::string out = "\"";
    for (const char c : text.substr(0, kShown)) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (static_cast<unsigned char>(c) < 0x20)
            out += "\\x" + std::string(1, "0123456789abcdef"[c >> 4]) + "0123456789abcdef"[c & 15];
        else
            out += c;
    }
    return out + (text.size() > kShown ? "...\"" : "\"");
}

[[noreturn]] void refuseToRead(const std::filesystem::path& file, const std::string& reason) {
    throw SettingsFileError("The settings file \"" + file.string() + "\" cannot be used: " + reason);
}

// A value the file cannot hold: the user changes it; the disk is not the problem.
[[noreturn]] void refuseToSave(const std::filesystem::path& file, const std::string& reason) {
    throw SettingsFileError("The settings file \"" + file.string() + "\" was not saved: " + reason +
                            "\n\nChange that value and press Save again; the file on disk is as it was.");
}

[[noreturn]] void failToWrite(const std::filesystem::path& file, const std::string& reason) {
    throw SettingsFileError("The settings file \"" + file.string() + "\" could not be saved: " + reason +
                            "\n\nMake sure the folder can be written to and has free space, then press Save "
                            "again; the file on disk is as it was.");
}

// Hands out the file's lines in order, counting from 1, and reports running past the end.
class SettingsLines {
  public:
    SettingsLines(std::string_view contents, const std::filesystem::path& file)
        : m_lines(splitLines(contents)), m_file(file) {}

    std::string_view next() {
        if (m_next >= m_lines.size())
            refuseToRead(m_file, "line " + std::to_string(m_next + 1) +
                                     " is missing; the file ends before all the settings were read.");
        return m_lines[m_next++];
    }
    // The next line, which must be the given section marker.
    void marker(std::string_view marker) {
        const std::string_view line = next();
        if (line != marker)
            refuseToRead(m_file, "line " + std::to_string(m_next) + " should be the section marker " +
                                     shown(marker) + ", but it holds " + shown(line) +
                                     "; a line before it is missing or one too many.");
    }
    // Only empty lines may follow the last setting.
    void end() {
        while (m_next < m_lines.size())
            if (!next().empty())
                refuseToRead(m_file, "line " + std::to_string(m_next) + " holds " +
                                         shown(m_lines[m_next - 1]) +
                                         " after the last setting; the file should end there.");
    }
    size_t lineNumber() const { return m_next; }

  private:
    std::vector<std::string_view> m_lines;
    std::filesystem::path m_file;
    size_t m_next = 0;
};

// A lone CR would end a line for a reader that accepts every line end, but the program's own lines
// end in CR LF: in a file with LF line ends a CR must come just before an LF.
void refuseLoneCarriageReturn(std::string_view contents, const std::filesystem::path& file) {
    if (contents.find('\n') == std::string_view::npos)
        return; // CR alone ends every line
    size_t line = 1;
    for (size_t i = 0; i < contents.size(); ++i) {
        if (contents[i] == '\n')
            ++line;
        else if (contents[i] == '\r' && (i + 1 == contents.size() || contents[i + 1] != '\n'))
            refuseToRead(file,
                         "line " + std::to_string(line) +
                             " holds a carriage return (CR) inside its text, which no setting can hold.");
    }
}

std::string_view plainText(std::string_view contents, const std::filesystem::path& file) {
    if (const std::string reason = notPlainTextReason(contents); !reason.empty())
        refuseToRead(file, reason + ".");
    contents = withoutByteOrderMark(contents);
    refuseLoneCarriageReturn(contents, file);
    return contents;
}

LoadedSettings readProfiles(SettingsLines& lines, const std::filesystem::path& file,
                            KeyedCollection& profiledata) {
    LoadedSettings loaded;
    lines.marker(kProfileSectionMarker);
    std::string_view line = lines.next();
    while (line != kDefaultProfileMarker) {
        const size_t nameLine = lines.lineNumber();
        if (line.empty() || isSectionMarker(line))
            refuseToRead(file, "line " + std::to_string(nameLine) +
                                   " should hold a profile name or the marker " +
                                   shown(kDefaultProfileMarker) + ", but it holds " + shown(line) + ".");
        const std::string name(line);
        const std::string clash = profileKeyClash(profiledata, name);
        if (!clash.empty())
            refuseToRead(file, "the profile name " + shown(name) + " on line " + std::to_string(nameLine) +
                                   " cannot be told apart from the profile " + shown(clash) +
                                   " (one name is the other followed by a word such as \"Username\").");
        if (loaded.profileNames.size() == std::numeric_limits<std::int16_t>::max())
            refuseToRead(file, "line " + std::to_string(nameLine) + " starts one profile too many.");
        profiledata.add(name, name);
        for (const char* field : kProfileFields) {
            const std::string_view value = lines.next();
            if (value == kDefaultProfileMarker)
                refuseToRead(file, "the profile " + shown(name) + " of line " + std::to_string(nameLine) +
                                       " ends early: line " + std::to_string(lines.lineNumber()) + " holds " +
                                       shown(value) + " where its " + field + " belongs.");
            profiledata.add(name + field, std::string(value));
        }
        loaded.profileNames.push_back(name);
        line = lines.next();
    }
    loaded.profileCount = static_cast<std::int16_t>(loaded.profileNames.size());
    return loaded;
}

std::int16_t readNumber(SettingsLines& lines, const std::filesystem::path& file) {
    const std::string_view line = lines.next();
    const auto number = toInt16(line);
    if (!number)
        refuseToRead(file, "line " + std::to_string(lines.lineNumber()) +
                               " should hold a whole number from -32768 to 32767, but it holds " +
                               shown(line) + ".");
    return *number;
}

void readField(SettingsLines& lines, const std::filesystem::path& file, const SettingField& field,
               SettingsRecord& settings) {
    struct Reader {
        SettingsLines& lines;
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
        contents = readRegularFile(file);
    } catch (const FileReadError& error) {
        refuseToRead(file, std::string(error.what()) + ".");
    }
    return loadSettingsText(contents, file, m);
}

LoadedSettings loadSettingsText(std::string_view contents, const std::filesystem::path& file, Module1& m) {
    SettingsLines lines(plainText(contents, file), file);
    Module1 loaded = m;
    loaded.profiledata.clear();
    loaded.programdata.clear();
    LoadedSettings result = readProfiles(lines, file, loaded.profiledata);
    // The profile records end at the default-profile marker, which opens the layout.
    for (const char* entry : settingsLayout().subspan(1)) {
        if (isSectionMarker(entry))
            lines.marker(entry);
        else if (entry == std::string_view(kProgramDataLine))
            for (const auto& key : programDataKeys())
                loaded.programdata.add(key, std::string(lines.next()));
        else
            readField(lines, file, *findSettingField(entry), loaded.settings);
    }
    lines.end();
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
        if (value.find('\0') != std::string_view::npos)
            refuseToSave(m_file, std::string(what) + " holds a NUL character, which the file cannot keep.");
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
        // What the reader takes for a marker would end the profile records when read back.
        if (i % kProfileRecordSize == 0 && (value.empty() || isSectionMarker(value)))
            refuseToSave(file,
                         "the profile name " + shown(value) + " is empty or looks like a section marker.");
        if (value == kDefaultProfileMarker)
            refuseToSave(file,
                         "the profile value " + shown(key) + " is the section marker " + shown(value) + ".");
        writer.line(value, "The profile value " + shown(key));
    }
}

} // namespace

std::string settingsFileText(const std::filesystem::path& file, const Module1& m,
                             const std::string& startUrlBoxText, const std::string& redialBoxText) {
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
        else if (name == "redialcount" && !toInt16(redialBoxText))
            refuseToSave(file, "the redial count " + shown(redialBoxText) +
                                   " is not a whole number from -32768 to 32767.");
        else if (name == "redialcount")
            writer.line(redialBoxText, "The redial count");
        else
            writer.field(m.settings, *findSettingField(name));
    }
    return writer.text();
}

void saveSettings(const std::filesystem::path& file, const Module1& m, const std::string& startUrlBoxText,
                  const std::string& redialBoxText) {
    const std::string text = settingsFileText(file, m, startUrlBoxText, redialBoxText);
    try {
        writeFileAtomically(file, text, 0600);
    } catch (const std::system_error& error) {
        failToWrite(file, std::string(error.what()) + ".");
    }
}

} // namespace quillan
