// A plain INI settings file: every setting written out with its default and a one-line
// comment, read once at start, rewritten only when the player changes something.
#pragma once
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace platform {

struct SettingDef {
    std::string section, key, defaultValue, comment;
    // True when the text is a value this setting accepts (empty: any text).
    std::function<bool(const std::string&)> accepts;
};

class SettingsFile {
  public:
    explicit SettingsFile(std::vector<SettingDef> defs);

    // Reads `file`. A missing file is created with every default (its folder too). A bad line,
    // an unknown key or a value the setting does not accept is reported through `warn` as
    // "FILE:LINE: ..." and that setting keeps its default; a file or folder that cannot be
    // read or written gives one warning and the defaults.
    void Load(const std::filesystem::path& file,
              const std::function<void(const std::string&)>& warn);

    const std::string& Get(const std::string& section, const std::string& key) const;
    // The line a setting was read from, or 0 when it has its default.
    int LineOf(const std::string& section, const std::string& key) const;
    // Puts a setting back to its default (a later check found its value unusable).
    void Reset(const std::string& section, const std::string& key);
    // Sets a value for this run only (the command line).
    void Override(const std::string& section, const std::string& key, const std::string& value);
    // Sets a value the player chose and writes the whole file; false (with one warning) when
    // it cannot be written. Values set by Override are written as they were read.
    bool Change(const std::string& section, const std::string& key, const std::string& value,
                const std::function<void(const std::string&)>& warn);

    const std::filesystem::path& path() const { return path_; }
    const std::vector<SettingDef>& defs() const { return defs_; }
    // The file's text for the current values (what Change and a first run write).
    std::string Render() const;

  private:
    struct Value {
        std::string text, saved;  // in force; to be written back
        int line = 0;
    };
    const SettingDef* Find(const std::string& section, const std::string& key) const;
    bool Write(const std::function<void(const std::string&)>& warn) const;

    std::vector<SettingDef> defs_;
    std::map<std::string, Value> values_;  // by "section.key"
    std::filesystem::path path_;
};

}  // namespace platform
