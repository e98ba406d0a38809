#pragma once
#include "platform/Platform.h"

namespace jx {

// Rewrites the five regional date and time formats that differ from the fixed
// values the date checks were written for. Never reports a failure.
void ForceRegionalFormats(Platform& platform);

}  // namespace jx
