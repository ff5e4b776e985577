// Reads the text score format described in resources/music/README.md.
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "music_score.hpp"

namespace baker::music {
namespace {

constexpr double kEpsilon = 1e-6;

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A '#' that starts a word begins a comment; inside a word it is a sharp (C#4).
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

// key=value words after a keyword; unknown keys are errors so typos do not pass silently.
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

// "C4", "F#3", "Bb2" -> MIDI number (C4 = 60).
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

// One voice's stream of events within a part, built line by line.
struct VoiceCursor {
    double position = 0;
    std::vector<NoteEvent> events;
};

void CheckBar(double position, double meter) {
    const double bars = position / meter;
    if (std::fabs(bars - std::round(bars)) > kEpsilon)
        throw ParseError("bar line after " + std::to_string(position) +
                         " beats, not on a bar boundary");
}

// Splits a trailing "xN" repeat count off a line.
int RepeatCount(std::vector<std::string>& words) {
    if (words.size() < 2)
        return 1;
    const std::string& last = words.back();
    if (last.size() < 2 || last[0] != 'x')
        return 1;
    for (size_t i = 1; i < last.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(last[i])))
            return 1;
    const int n = std::stoi(last.substr(1));
    if (n < 1)
        throw ParseError("repeat count must be at least 1");
    words.pop_back();
    return n;
}

void ParseMelodyLine(const std::vector<std::string>& words, double meter, VoiceCursor& voice) {
    double length = 1;  // sticky within the line: a written length holds until changed
    for (size_t i = 1; i < words.size(); ++i) {
        std::string w = words[i];
        if (w == "|") {
            CheckBar(voice.position, meter);
            continue;
        }
        double velocity = 0.8;
        if (w.back() == '!')
            velocity = 1.0, w.pop_back();
        else if (w.back() == '?')
            velocity = 0.55, w.pop_back();
        if (const auto colon = w.find(':'); colon != std::string::npos) {
            length = Number(w.substr(colon + 1));
            if (length <= 0)
                throw ParseError("length must be positive: '" + words[i] + "'");
            w = w.substr(0, colon);
        }
        if (w == "-") {  // tie: lengthen the previous note
            if (voice.events.empty() ||
                std::fabs(voice.events.back().beat + voice.events.back().length - voice.position) >
                    kEpsilon)
                throw ParseError("tie '-' without a note before it");
            voice.events.back().length += length;
        } else if (w != "r") {
            NoteEvent e;
            e.beat = voice.position;
            e.length = length;
            e.velocity = velocity;
            std::string rest = w;
            for (size_t plus; (plus = rest.find('+')) != std::string::npos;) {
                e.pitches.push_back(ParsePitch(rest.substr(0, plus)));
                rest = rest.substr(plus + 1);
            }
            e.pitches.push_back(ParsePitch(rest));
            voice.events.push_back(e);
        }
        voice.position += length;
    }
}

void ParseDrumLine(const std::vector<std::string>& words, double meter, double step,
                   VoiceCursor& voice) {
    static const std::string kHits = "ksholmtcrdg";
    for (size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "|") {
            CheckBar(voice.position, meter);
            continue;
        }
        for (char c : words[i]) {
            if (c != '.') {
                const char lower = char(std::tolower(static_cast<unsigned char>(c)));
                if (kHits.find(lower) == std::string::npos)
                    throw ParseError(std::string("unknown drum '") + c + "'");
                NoteEvent e;
                e.beat = voice.position;
                e.length = step;
                e.hit = lower;
                e.velocity = std::isupper(static_cast<unsigned char>(c)) ? 1.0 : 0.7;
                voice.events.push_back(e);
            }
            voice.position += step;
        }
    }
}

class Parser {
  public:
    explicit Parser(Score& score) : score_(score) {}

    void Line(std::vector<std::string> words) {
        if (words.empty())
            return;
        if (inPart_)
            return PartLine(words);
        const std::string& key = words[0];
        if (key == "tempo")
            score_.tempo = Single(words);
        else if (key == "meter")
            score_.meter = Single(words);
        else if (key == "master")
            score_.master = Single(words);
        else if (key == "tail")
            score_.tail = Single(words);
        else if (key == "echo")
            Echo(words);
        else if (key == "reverb")
            Reverb(words);
        else if (key == "voice" || key == "drums")
            AddInstrument(words, key == "drums");
        else if (key == "part")
            BeginPart(words);
        else if (key == "song")
            Song(words);
        else
            throw ParseError("unknown keyword '" + key + "'");
    }

    void Finish() {
        if (inPart_)
            throw ParseError("part '" + score_.parts.back().name + "' has no 'end'");
        if (score_.song.empty())
            throw ParseError("no 'song' line");
        if (score_.tempo <= 0 || score_.meter <= 0)
            throw ParseError("tempo and meter must be > 0");
    }

  private:
    static double Single(const std::vector<std::string>& words) {
        if (words.size() != 2)
            throw ParseError("'" + words[0] + "' takes one number");
        return Number(words[1]);
    }

    void Echo(const std::vector<std::string>& words) {
        const auto s = Settings(words, 1, {"delay", "feedback", "tone"});
        if (s.count("delay"))
            score_.echoDelay = s.at("delay");
        if (s.count("feedback"))
            score_.echoFeedback = s.at("feedback");
        if (s.count("tone"))
            score_.echoTone = s.at("tone");
        if (score_.echoFeedback >= 1)
            throw ParseError("echo feedback must be below 1");
    }

    void Reverb(const std::vector<std::string>& words) {
        const auto s = Settings(words, 1, {"size", "damp"});
        if (s.count("size"))
            score_.reverbSize = s.at("size");
        if (s.count("damp"))
            score_.reverbDamp = s.at("damp");
    }

    void AddInstrument(const std::vector<std::string>& words, bool drums) {
        if (!score_.parts.empty())
            throw ParseError("declare voices before the first part");
        Instrument ins = ParseInstrument(words, drums);
        if (VoiceIndex(ins.name) >= 0)
            throw ParseError("voice '" + ins.name + "' declared twice");
        score_.instruments.push_back(ins);
    }

    int VoiceIndex(const std::string& name) const {
        for (size_t i = 0; i < score_.instruments.size(); ++i)
            if (score_.instruments[i].name == name)
                return int(i);
        return -1;
    }

    int PartIndex(const std::string& name) const {
        for (size_t i = 0; i < score_.parts.size(); ++i)
            if (score_.parts[i].name == name)
                return int(i);
        return -1;
    }

    void BeginPart(const std::vector<std::string>& words) {
        if (words.size() < 2)
            throw ParseError("part needs a name");
        if (PartIndex(words[1]) >= 0)
            throw ParseError("part '" + words[1] + "' defined twice");
        Part part;
        part.name = words[1];
        const auto s = Settings(words, 2, {"tempo", "to"});
        if (s.count("tempo"))
            part.tempo = s.at("tempo");
        if (s.count("to"))
            part.tempoTo = s.at("to");
        score_.parts.push_back(part);
        cursors_.assign(score_.instruments.size(), VoiceCursor{});
        inPart_ = true;
    }

    void PartLine(std::vector<std::string>& words) {
        if (words[0] == "end")
            return EndPart();
        const int v = VoiceIndex(words[0]);
        if (v < 0)
            throw ParseError("unknown voice '" + words[0] + "'");
        const int repeats = RepeatCount(words);
        VoiceCursor& cursor = cursors_[size_t(v)];
        const Instrument& ins = score_.instruments[size_t(v)];
        for (int r = 0; r < repeats; ++r) {
            if (ins.drums)
                ParseDrumLine(words, score_.meter, ins.step, cursor);
            else
                ParseMelodyLine(words, score_.meter, cursor);
        }
    }

    // Every voice that plays in a part must fill it exactly; a mismatch is a slip in the score.
    void EndPart() {
        Part& part = score_.parts.back();
        for (const auto& c : cursors_) part.length = std::max(part.length, c.position);
        for (size_t v = 0; v < cursors_.size(); ++v) {
            const double pos = cursors_[v].position;
            if (pos > 0 && std::fabs(pos - part.length) > kEpsilon)
                throw ParseError("in part '" + part.name + "' voice '" +
                                 score_.instruments[v].name + "' lasts " + std::to_string(pos) +
                                 " beats, the part " + std::to_string(part.length));
            part.voices.push_back(std::move(cursors_[v].events));
        }
        if (part.length <= 0)
            throw ParseError("part '" + part.name + "' is empty");
        inPart_ = false;
    }

    // Entries: NAME, NAME+3 / NAME-2 (transposed), optionally *N (repeated).
    void Song(const std::vector<std::string>& words) {
        for (size_t i = 1; i < words.size(); ++i) {
            std::string w = words[i];
            int repeats = 1;
            if (const auto star = w.find('*'); star != std::string::npos) {
                repeats = int(Number(w.substr(star + 1)));
                w = w.substr(0, star);
            }
            int transpose = 0;
            if (const auto sign = w.find_first_of("+-"); sign != std::string::npos) {
                transpose = int(Number(w.substr(sign)));
                w = w.substr(0, sign);
            }
            const int p = PartIndex(w);
            if (p < 0)
                throw ParseError("unknown part '" + w + "'");
            for (int r = 0; r < repeats; ++r) score_.song.push_back({p, transpose});
        }
    }

    Score& score_;
    bool inPart_ = false;
    std::vector<VoiceCursor> cursors_;
};

}  // namespace

Score ParseScore(const std::string& text, const std::string& sourceName) {
    Score score;
    Parser parser(score);
    std::istringstream in(text);
    std::string line;
    int number = 0;
    try {
        while (std::getline(in, line)) {
            ++number;
            parser.Line(Words(line));
        }
        parser.Finish();
    } catch (const ParseError& e) {
        throw std::runtime_error(sourceName + ":" + std::to_string(number) + ": " + e.what());
    }
    return score;
}

}  // namespace baker::music
