// Turns a parsed score into 16-bit mono samples.
#pragma once
#include <cstdint>
#include <vector>

#include "music_score.hpp"

namespace baker::music {

// The song plus its tail, mixed with the echo and reverb sends, normalised to the score's
// master level and faded out over the last moments so the file never ends on a click.
std::vector<int16_t> RenderScore(const Score& score, int rate);

}  // namespace baker::music
