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

template <typename Enum, size_t N>
std::optional<Enum> IndexOf(const char* const (&names)[N], const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (strcasecmp(names[i], name.c_str()) == 0)
            return Enum(i);
    return std::nullopt;
}

}  // namespace

const char* PadButtonName(PadButton button) {
    return kButtonNames[int(button)];
}

const char* PadAxisName(PadAxis axis) {
    return kAxisNames[int(axis)];
}

std::optional<PadButton> PadButtonOf(const std::string& name) {
    return IndexOf<PadButton>(kButtonNames, name);
}

std::optional<PadAxis> PadAxisOf(const std::string& name) {
    return IndexOf<PadAxis>(kAxisNames, name);
}

}  // namespace platform
