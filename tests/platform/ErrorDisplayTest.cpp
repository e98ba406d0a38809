#include <gtest/gtest.h>

#include "common/Errors.h"
#include "platform/ErrorDisplay.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

TEST(ErrorDisplay, ShowsWhatACommandLetsThroughAndCarriesOn) {
    test::ScopedFakePlatform fake;
    bool after = false;
    RunGuarded([] { throw ConversionError("'abc' is not a valid integer value"); });
    RunGuarded([] { throw 42; });
    RunGuarded([&] { after = true; });
    ASSERT_EQ(fake->errors.size(), 2u);
    EXPECT_EQ(fake->errors[0].caption, QStringLiteral("吉星择日"));
    EXPECT_EQ(fake->errors[0].text, QStringLiteral("'abc' is not a valid integer value."));
    EXPECT_EQ(fake->errors[1].caption, QStringLiteral("吉星择日"));
    EXPECT_TRUE(after);
}

}  // namespace
}  // namespace jx
