#include "platform/settings/settings_file.hpp"

#include <ini.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string Id(const std::string& section, const std::string& key) {
    return section + "." + key;
}

// inih reads through this, so that each value can be told which line it came from.
struct LineReader {
    FILE* file = nullptr;
    int line = 0;
    std::vector<std::string> lines;
};

char* ReadLine(char* str, int num, void* stream) {
    auto* reader = static_cast<LineReader*>(stream);
    char* got = std::fgets(str, num, reader->file);
    if (got) {
        ++reader->line;
        reader->lines.emplace_back(got);
    }
    return got;
}

struct ParseState {
    LineReader reader;
    std::set<int> handled;
    std::function<void(const std::string&, const std::string&, const std::string&, int)> onValue;
};

int OnValue(void* user, const char* section, const char* name, const char* value) {
    auto* state = static_cast<ParseState*>(user);
    state->handled.insert(state->reader.line);
    state->onValue(section, name, value, state->reader.line);
    return 1;
}

bool IsBlankCommentOrSection(std::string text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return true;
    const char c = text[first];
    return c == ';' || c == '#' || c == '[';
}

}  // namespace

SettingsFile::SettingsFile(std::vector<SettingDef> defs) : defs_(std::move(defs)) {
    for (const SettingDef& def : defs_)
        values_[Id(def.section, def.key)] = {def.defaultValue, def.defaultValue, 0};
}

const SettingDef* SettingsFile::Find(const std::string& section, const std::string& key) const {
    for (const SettingDef& def : defs_)
        if (def.section == section && def.key == key)
            return &def;
    return nullptr;
}

void SettingsFile::Load(const fs::path& file, const std::function<void(const std::string&)>& warn) {
    path_ = file;
    std::error_code ec;
    if (!fs::exists(file, ec)) {
        Write(warn);
        return;
    }
    ParseState state;
    state.reader.file = std::fopen(file.c_str(), "r");
    if (!state.reader.file) {
        warn(file.string() + ": cannot be read (" + std::strerror(errno) +
             "); playing with the default settings");
        return;
    }
    const std::string where = file.string() + ":";
    state.onValue = [&](const std::string& section, const std::string& key,
                        const std::string& value, int line) {
        const SettingDef* def = Find(section, key);
        const std::string at = where + std::to_string(line) + ": ";
        if (!def) {
            warn(at + "unknown setting \"" + key + "\" in [" + section + "]");
            return;
        }
        if (def->accepts && !def->accepts(value)) {
            warn(at + "\"" + value + "\" is not a value for " + key + "; using \"" +
                 def->defaultValue + "\"");
            return;
        }
        values_[Id(section, key)] = {value, value, line};
    };
    ini_parse_stream(ReadLine, &state.reader, OnValue, &state);
    std::fclose(state.reader.file);
    for (size_t i = 0; i < state.reader.lines.size(); ++i) {
        const int line = int(i) + 1;
        if (!state.handled.count(line) && !IsBlankCommentOrSection(state.reader.lines[i]))
            warn(where + std::to_string(line) + ": not a setting line; ignored");
    }
}

const std::string& SettingsFile::Get(const std::string& section, const std::string& key) const {
    return values_.at(Id(section, key)).text;
}

int SettingsFile::LineOf(const std::string& section, const std::string& key) const {
    return values_.at(Id(section, key)).line;
}

void SettingsFile::Reset(const std::string& section, const std::string& key) {
    const SettingDef* def = Find(section, key);
    if (def)
        values_[Id(section, key)] = {def->defaultValue, def->defaultValue, 0};
}

void SettingsFile::Override(const std::string& section, const std::string& key,
                            const std::string& value) {
    values_.at(Id(section, key)).text = value;
}

bool SettingsFile::Change(const std::string& section, const std::string& key,
                          const std::string& value,
                          const std::function<void(const std::string&)>& warn) {
    Value& v = values_.at(Id(section, key));
    v.text = v.saved = value;
    return Write(warn);
}

std::string SettingsFile::Render() const {
    std::ostringstream out;
    out << "# DUNSPELT settings. Delete a line to get its default back.\n";
    std::string section;
    for (const SettingDef& def : defs_) {
        if (def.section != section) {
            section = def.section;
            out << "\n[" << section << "]\n";
        }
        out << "# " << def.comment << " (default: " << def.defaultValue << ")\n";
        out << def.key << " = " << values_.at(Id(def.section, def.key)).saved << "\n";
    }
    return out.str();
}

bool SettingsFile::Write(const std::function<void(const std::string&)>& warn) const {
    if (path_.empty())
        return false;
    std::error_code ec;
    if (path_.has_parent_path())
        fs::create_directories(path_.parent_path(), ec);
    // Written beside and renamed over, so a crash never leaves half a file.
    const fs::path temporary = path_.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << Render();
        if (!out.flush()) {
            fs::remove(temporary, ec);
            warn(path_.string() + ": cannot be written; settings are not saved");
            return false;
        }
    }
    fs::rename(temporary, path_, ec);
    if (ec) {
        fs::remove(temporary, ec);
        warn(path_.string() + ": cannot be written; settings are not saved");
        return false;
    }
    return true;
}

}  // namespace platform
