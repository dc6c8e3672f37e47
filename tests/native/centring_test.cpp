#include "base/centring.h"

#include <gtest/gtest.h>

namespace quivra {
namespace {

TEST(Centring, HalvesAreTruncatedBeforeTheyAreSubtracted) {
    EXPECT_EQ(centred_position(301, 200, 1024, 768), (Position{362, 284}));
    EXPECT_EQ(centred_position(301, 201, 1023, 767), (Position{361, 283}));
}

}  // namespace
}  // namespace quivra
