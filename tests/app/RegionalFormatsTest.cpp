#include <gtest/gtest.h>

#include "app/RegionalFormats.h"
#include "tests/support/FakePlatform.h"

namespace jx {
namespace {

using Writes = std::vector<std::pair<LocaleItem, std::string>>;

void setAll(test::FakePlatform& fake, const std::map<LocaleItem, std::optional<std::string>>& v) {
    fake.localeValues = v;
}

const std::map<LocaleItem, std::optional<std::string>> kWanted{
    {LocaleItem::LongDate, "yyyy'年'M'月'd'日'"},
    {LocaleItem::ShortDate, "yyyy-MM-dd"},
    {LocaleItem::TimeFormat, "H:mm:ss"},
    {LocaleItem::DateSeparator, "-"},
    {LocaleItem::TimeSeparator, ":"},
};

TEST(ForceRegionalFormats, WritesNothingWhenEverythingAlreadyMatches) {
    test::ScopedFakePlatform fake;
    setAll(*fake, kWanted);
    fake->localeValues[LocaleItem::ShortDate] = "  yyyy-MM-dd\t";  // blanks around count as equal
    ForceRegionalFormats(*fake);
    EXPECT_TRUE(fake->localeWrites.empty());
}

TEST(ForceRegionalFormats, WritesOnlyWhatDiffersInTableOrder) {
    test::ScopedFakePlatform fake;
    setAll(*fake, kWanted);
    fake->localeValues[LocaleItem::TimeSeparator] = ".";
    fake->localeValues[LocaleItem::LongDate] = "dddd, MMMM d, yyyy";
    fake->localeValues[LocaleItem::TimeFormat] = std::nullopt;             // unreadable
    fake->localeValues[LocaleItem::DateSeparator] = std::string(24, '-');  // too long to read
    ForceRegionalFormats(*fake);
    const Writes expected{
        {LocaleItem::LongDate, "yyyy'年'M'月'd'日'"},
        {LocaleItem::TimeFormat, "H:mm:ss"},
        {LocaleItem::DateSeparator, "-"},
        {LocaleItem::TimeSeparator, ":"},
    };
    EXPECT_EQ(fake->localeWrites, expected);
}

TEST(ForceRegionalFormats, ComparesCaseSensitively) {
    test::ScopedFakePlatform fake;
    setAll(*fake, kWanted);
    fake->localeValues[LocaleItem::ShortDate] = "YYYY-MM-DD";
    ForceRegionalFormats(*fake);
    EXPECT_EQ(fake->localeWrites, (Writes{{LocaleItem::ShortDate, "yyyy-MM-dd"}}));
}

}  // namespace
}  // namespace jx
