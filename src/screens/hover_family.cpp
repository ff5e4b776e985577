#include "screens/hover_family.hpp"

namespace game {

void HoverFamily::ButtonMouseMove(const platform::Control& control) const {
    for (const HoverMember& m : members_)
        if (&m.button == &control)
            m.button.SetPicture(m.hover.Picture());
}

void HoverFamily::FormMouseMove() const {
    for (const HoverMember& m : members_) m.button.SetPicture(m.normal.Picture());
}

}  // namespace game
