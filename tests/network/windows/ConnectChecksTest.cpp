// The connect dialog's checks of the host's address and of the port.

#include "network/windows/ConnectChecks.h"

#include <gtest/gtest.h>

namespace zarle {
namespace {

TEST(ConnectChecksTest, AddressesNeedThreeDotsAfterTheFirstCharacterAndAtMost15Characters) {
    const std::vector<std::pair<const char*, AddressCheck>> cases{
        {"10.0.0.1", AddressCheck::Ok},
        {"a.b.c.d", AddressCheck::Ok},
        {" 192.168.100.200 ", AddressCheck::Ok},
        {"10.0.0", AddressCheck::Incorrect},
        {"1.2.3", AddressCheck::Incorrect},
        {".1.2.3", AddressCheck::Incorrect},
        {"", AddressCheck::Invalid},
        {"   ", AddressCheck::Invalid},
        {"1234.5678.90.123", AddressCheck::Invalid}};
    for (const auto& [address, expected] : cases) EXPECT_EQ(CheckHostAddress(address), expected) << address;
}

TEST(ConnectChecksTest, PortsAreWholeNumbersFrom1To65535) {
    EXPECT_EQ(ParsePort("41001"), 41001);
    EXPECT_EQ(ParsePort(" 1 "), 1);
    EXPECT_EQ(ParsePort("65535"), 65535);
    for (const char* bad : {"0", "70000", "65536", "abc", "", "12ab", "-5", "99999999999999999999"})
        EXPECT_FALSE(ParsePort(bad)) << bad;
}

} // namespace
} // namespace zarle
