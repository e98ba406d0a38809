#include "app/RegionalFormats.h"

#include <array>
#include <string_view>

#include "common/Text.h"

namespace jx {

namespace {

struct WantedFormat {
    LocaleItem item;
    std::string_view value;
};

// In the order they are checked and written.
constexpr std::array<WantedFormat, 5> kWantedFormats{{
    {LocaleItem::LongDate, "yyyy'年'M'月'd'日'"},
    {LocaleItem::ShortDate, "yyyy-MM-dd"},
    {LocaleItem::TimeFormat, "H:mm:ss"},
    {LocaleItem::DateSeparator, "-"},
    {LocaleItem::TimeSeparator, ":"},
}};

// The settings are read into a 24-byte buffer: a longer value does not fit and
// counts as a failed read.
constexpr std::size_t kReadBufferBytes = 24;

}  // namespace

void ForceRegionalFormats(Platform& platform) {
    try {
        for (const WantedFormat& wanted : kWantedFormats) {
            const std::optional<std::string> current = platform.readLocaleInfo(wanted.item);
            const bool readable = current && current->size() < kReadBufferBytes;
            if (readable) {
                // Text up to the first zero byte, trimmed.
                const std::string text = Trim(current->substr(0, current->find('\0')));
                if (text == wanted.value) continue;
            }
            platform.writeLocaleInfo(wanted.item, std::string(wanted.value));
        }
    } catch (...) {
        // Start-up goes on with whatever formats are in place.
    }
}

}  // namespace jx
