// The words of a score line: numbers, key=value settings, voices and note names.
#pragma once
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "music_score.hpp"

namespace baker::music {

// A fault in the score; the parser adds the file and line.
struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A line's words; a '#' that starts a word begins a comment (inside a word it is a sharp).
std::vector<std::string> Words(const std::string& line);
// "3", "0.5" or "1/3".
double Number(const std::string& text);
// The key=value words from `from` on; keys not `allowed` are errors, so that typos do not pass
// silently ("wave" is read by the voice line itself).
std::map<std::string, double> Settings(const std::vector<std::string>& words, size_t from,
                                       const std::vector<std::string>& allowed);
// A voice line ("voice NAME key=value ..." or "drums NAME ...").
Instrument ParseInstrument(const std::vector<std::string>& words, bool drums);
// "C4", "F#3", "Bb2" -> MIDI number (C4 = 60).
int ParsePitch(const std::string& text);

}  // namespace baker::music
