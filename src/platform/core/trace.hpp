// The per-tick trace: JSON Lines, every object stamped with "ms".
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace platform {

// Builds one JSON object field by field.
class JsonObject {
  public:
    JsonObject& Field(std::string_view key, int64_t value);
    JsonObject& Field(std::string_view key, double value);
    JsonObject& Field(std::string_view key, std::string_view value);
    JsonObject& Raw(std::string_view key, std::string_view json);
    std::string Str() const { return text_ + "}"; }

  private:
    void Key(std::string_view key);
    std::string text_ = "{";
};

std::string JsonQuote(std::string_view text);

class Tracer {
  public:
    bool Open(const std::string& path);
    bool active() const { return out_.is_open(); }
    // Writes {"ms":<ms>, ...fields of `object`}.
    void Write(int64_t ms, const std::string& object);
    void Event(int64_t ms, std::string_view event, std::string_view key = {},
               std::string_view value = {});
    void Flush();

  private:
    std::ofstream out_;
};

}  // namespace platform
