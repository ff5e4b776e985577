#include "music_words.hpp"

#include <cctype>
#include <map>
#include <sstream>

namespace baker::music {

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    std::string w;
    while (in >> w) {
        if (w[0] == '#')
            break;
        words.push_back(w);
    }
    return words;
}

double Number(const std::string& text) {
    const auto slash = text.find('/');
    try {
        size_t used = 0;
        if (slash != std::string::npos) {
            const double num = std::stod(text.substr(0, slash));
            const double den = std::stod(text.substr(slash + 1), &used);
            if (used != text.size() - slash - 1 || den == 0)
                throw ParseError("");
            return num / den;
        }
        const double v = std::stod(text, &used);
        if (used != text.size())
            throw ParseError("");
        return v;
    } catch (const std::exception&) {
        throw ParseError("not a number: '" + text + "'");
    }
}

std::map<std::string, double> Settings(const std::vector<std::string>& words, size_t from,
                                       const std::vector<std::string>& allowed) {
    std::map<std::string, double> out;
    for (size_t i = from; i < words.size(); ++i) {
        const auto eq = words[i].find('=');
        if (eq == std::string::npos)
            throw ParseError("expected key=value: '" + words[i] + "'");
        const std::string key = words[i].substr(0, eq);
        bool known = false;
        for (const auto& a : allowed) known = known || a == key;
        if (!known)
            throw ParseError("unknown setting '" + key + "'");
        if (key != "wave")
            out[key] = Number(words[i].substr(eq + 1));
    }
    return out;
}

namespace {

std::string WaveName(const std::vector<std::string>& words) {
    for (const auto& w : words)
        if (w.rfind("wave=", 0) == 0)
            return w.substr(5);
    return "square";
}

Wave ParseWave(const std::string& name) {
    static const std::map<std::string, Wave> waves = {
        {"square", Wave::Square}, {"triangle", Wave::Triangle}, {"saw", Wave::Saw},
        {"sine", Wave::Sine},     {"noise", Wave::Noise},       {"pluck", Wave::Pluck},
        {"fm", Wave::Fm}};
    const auto it = waves.find(name);
    if (it == waves.end())
        throw ParseError("unknown wave '" + name + "'");
    return it->second;
}

}  // namespace

Instrument ParseInstrument(const std::vector<std::string>& words, bool drums) {
    if (words.size() < 2)
        throw ParseError("voice needs a name");
    Instrument ins;
    ins.name = words[1];
    ins.drums = drums;
    if (!drums)
        ins.wave = ParseWave(WaveName(words));
    const auto s =
        Settings(words, 2, {"wave",   "vol",     "duty",    "a",        "d",      "s",     "r",
                            "gate",   "vibrato", "vibrate", "vibdelay", "detune", "ratio", "index",
                            "cutoff", "q",       "echo",    "reverb",   "octave", "step"});
    auto set = [&](const char* key, double& field) {
        if (const auto it = s.find(key); it != s.end())
            field = it->second;
    };
    set("vol", ins.volume);
    set("duty", ins.duty);
    set("a", ins.attack);
    set("d", ins.decay);
    set("s", ins.sustain);
    set("r", ins.release);
    set("gate", ins.gate);
    set("vibrato", ins.vibrato);
    set("vibrate", ins.vibratoRate);
    set("vibdelay", ins.vibratoDelay);
    set("detune", ins.detune);
    set("ratio", ins.fmRatio);
    set("index", ins.fmIndex);
    set("cutoff", ins.cutoff);
    set("q", ins.resonance);
    set("echo", ins.echo);
    set("reverb", ins.reverb);
    set("step", ins.step);
    double octave = 0;
    set("octave", octave);
    ins.octave = int(octave);
    if (ins.step <= 0)
        throw ParseError("step must be positive");
    return ins;
}

int ParsePitch(const std::string& text) {
    static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
    if (text.size() < 2 || text[0] < 'A' || text[0] > 'G')
        throw ParseError("bad note '" + text + "'");
    int pitch = kSemitone[text[0] - 'A'];
    size_t i = 1;
    if (text[i] == '#')
        pitch += 1, ++i;
    else if (text[i] == 'b')
        pitch -= 1, ++i;
    if (i + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[i])))
        throw ParseError("bad note '" + text + "'");
    return pitch + 12 * (text[i] - '0' + 1);
}

}  // namespace baker::music
