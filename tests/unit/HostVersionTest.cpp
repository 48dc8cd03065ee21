// The host's version against the oldest supported one, asked of the test host in process.
#include <gtest/gtest.h>

#include "host/HostState.h"
#include "identity/HostVersion.h"

namespace {

struct VersionCase {
    unsigned major, minor, release, build;
    bool supported;
};

class HostVersion : public ::testing::Test {
protected:
    void SetUp() override { host::Script() = host::HostScript{}; }
};

}  // namespace

TEST_F(HostVersion, WeighsThePartsAgainst1802) {
    const VersionCase cases[] = {
        {1, 8, 0, 2, true},     // 1802, the oldest supported
        {1, 8, 0, 1, false},    // 1801
        {1, 7, 9, 9, false},    // 1799
        {2, 0, 0, 0, true},     // 2000
        {1, 7, 10, 2, true},    // a part above 9 spills into the next weight: 1802
        {0, 18, 0, 2, true},    // 1802 again
        {0, 0, 0, 1802, true},  // the build alone
        {0, 0, 0, 1801, false},
        {0, 0, 180, 1, false},  // 1801
        {0, 0, 0, 0, false},
        // Every part at its largest: the sum stays within 32 bits.
        {65535, 65535, 65535, 65535, true},
        {0, 0, 0, 65535, true},
    };
    for (const VersionCase& c : cases) {
        host::SetHostVersion(c.major, c.minor, c.release, c.build);
        EXPECT_EQ(qs::IsHostVersionSupported(), c.supported)
            << c.major << '.' << c.minor << '.' << c.release << '.' << c.build;
    }
}

TEST_F(HostVersion, AsksTheHostOnEveryCall) {
    host::SetHostVersion(1, 8, 0, 2);
    EXPECT_TRUE(qs::IsHostVersionSupported());
    host::SetHostVersion(1, 8, 0, 1);
    EXPECT_FALSE(qs::IsHostVersionSupported());
    EXPECT_EQ(host::Script().CountCalls("Version"), 2);
}
