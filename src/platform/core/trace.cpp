#include "platform/core/trace.hpp"

#include <cmath>
#include <cstdio>

namespace platform {

std::string JsonQuote(std::string_view text) {
    std::string out = "\"";
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += ch;
                }
        }
    }
    return out + "\"";
}

void JsonObject::Key(std::string_view key) {
    if (text_.size() > 1)
        text_ += ',';
    text_ += JsonQuote(key);
    text_ += ':';
}

JsonObject& JsonObject::Field(std::string_view key, int64_t value) {
    Key(key);
    text_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::Field(std::string_view key, double value) {
    Key(key);
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        text_ += std::to_string(int64_t(value));
    } else if (std::isfinite(value)) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.9g", value);
        text_ += buf;
    } else {
        text_ += "null";
    }
    return *this;
}

JsonObject& JsonObject::Field(std::string_view key, std::string_view value) {
    Key(key);
    text_ += JsonQuote(value);
    return *this;
}

JsonObject& JsonObject::Raw(std::string_view key, std::string_view json) {
    Key(key);
    text_ += json;
    return *this;
}

bool Tracer::Open(const std::string& path) {
    out_.open(path, std::ios::binary | std::ios::trunc);
    return out_.is_open();
}

void Tracer::Write(int64_t ms, const std::string& object) {
    if (!out_.is_open())
        return;
    // object is "{...}"; put "ms" first.
    out_ << "{\"ms\":" << ms;
    if (object.size() > 2)
        out_ << ',' << std::string_view(object).substr(1);
    else
        out_ << '}';
    out_ << '\n';
}

void Tracer::Event(int64_t ms, std::string_view event, std::string_view key,
                   std::string_view value) {
    if (!out_.is_open())
        return;
    JsonObject o;
    o.Field("event", event);
    if (!key.empty())
        o.Field(key, value);
    Write(ms, o.Str());
}

void Tracer::Flush() {
    if (out_.is_open())
        out_.flush();
}

}  // namespace platform
