#pragma once
#include <cstddef>

namespace jx {

// A year typed with one or two digits is completed in the window 1930–2029, as
// the platform's date parser does: 00–29 → 2000s, 30–99 → 1900s. Longer years
// are taken as written.
constexpr int CompleteShortYear(int year, std::size_t digits) {
    if (digits > 2) return year;
    return year + (year < 30 ? 2000 : 1900);
}

}  // namespace jx
