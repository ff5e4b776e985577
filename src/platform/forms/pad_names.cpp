#include <strings.h>

#include "platform/forms/input_event.hpp"

namespace platform {
namespace {

constexpr const char* kButtonNames[] = {"A",
                                        "B",
                                        "X",
                                        "Y",
                                        "Back",
                                        "Guide",
                                        "Start",
                                        "LeftStick",
                                        "RightStick",
                                        "LeftShoulder",
                                        "RightShoulder",
                                        "DpadUp",
                                        "DpadDown",
                                        "DpadLeft",
                                        "DpadRight"};
constexpr const char* kAxisNames[] = {"LeftX",  "LeftY",       "RightX",
                                      "RightY", "LeftTrigger", "RightTrigger"};
static_assert(std::size(kButtonNames) == size_t(PadButton::kCount));
static_assert(std::size(kAxisNames) == size_t(PadAxis::kCount));

template <size_t N>
int IndexOf(const char* const (&names)[N], const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (strcasecmp(names[i], name.c_str()) == 0)
            return int(i);
    return -1;
}

}  // namespace

const char* PadButtonName(PadButton button) {
    return kButtonNames[int(button)];
}

const char* PadAxisName(PadAxis axis) {
    return kAxisNames[int(axis)];
}

int PadButtonOf(const std::string& name) {
    return IndexOf(kButtonNames, name);
}

int PadAxisOf(const std::string& name) {
    return IndexOf(kAxisNames, name);
}

}  // namespace platform
