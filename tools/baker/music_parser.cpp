// Reads the text score format described in resources/music/README.md.
#include <cctype>
#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "music_score.hpp"
#include "music_words.hpp"

namespace baker::music {
namespace {

constexpr double kEpsilon = 1e-6;

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
