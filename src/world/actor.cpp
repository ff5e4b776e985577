#include "world/actor.hpp"

namespace game {

Actor& ActorTable::operator()(int index) {
    if (index < 1 || index > int(actors_.size()))
        platform::Raise(platform::kErrSubscript);
    return actors_[size_t(index - 1)];
}

void ActorTable::Redim(int upper) {
    if (upper < 1)
        platform::Raise(platform::kErrSubscript);
    actors_.resize(size_t(upper));
}

}  // namespace game
