// Whole-track effects: a feedback echo, a small room reverb and a DC blocker.
#pragma once
#include <vector>

namespace baker::music {

// Replaces `signal` with its echoes alone: repeats every `delaySeconds`, each `feedback` times the
// last and duller by `tone` (0 bright .. 1 dark).
void Echo(std::vector<float>& signal, int rate, double delaySeconds, double feedback, double tone);

// Replaces `signal` with its reverberation alone; `size` 0..1 sets the decay, `damp` 0..1 how fast
// the highs die.
void Reverb(std::vector<float>& signal, int rate, double size, double damp);

// Removes any constant offset (pulse waves of uneven duty carry one).
void BlockDc(std::vector<float>& signal, int rate);

}  // namespace baker::music
