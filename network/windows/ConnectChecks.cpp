#include "network/windows/ConnectChecks.h"

#include "base/text/VbText.h"

#include <charconv>

namespace zarle {

AddressCheck CheckHostAddress(std::string_view address) {
    const std::string a = Trim(address);
    if (a.empty() || a.size() > 15) return AddressCheck::Invalid;
    size_t from = 1; // a dot in the first place does not count
    for (int dot = 0; dot < 3; ++dot) {
        const size_t at = a.find('.', from);
        if (at == std::string::npos) return AddressCheck::Incorrect;
        from = at + 1;
    }
    return AddressCheck::Ok;
}

std::optional<int> ParsePort(std::string_view text) {
    const std::string t = Trim(text);
    int port = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), port);
    if (t.empty() || error != std::errc() || end != t.data() + t.size() || port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

} // namespace zarle
