#pragma once
// The connect dialog's checks of the host's address and the port.

#include <optional>
#include <string_view>

namespace zarle {

enum class AddressCheck {
    Ok,
    Invalid,   // empty or longer than 15 characters
    Incorrect, // not three dots after the first character
};

// Only the length and the dots are checked: the host's name resolver has the last word.
AddressCheck CheckHostAddress(std::string_view address);

// The port typed, 1..65535; nothing for anything else.
std::optional<int> ParsePort(std::string_view text);

} // namespace zarle
