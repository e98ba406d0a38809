#include "pairings/PairingLookup.h"

#include <array>

#include "pairings/ZodiacPairing.h"
#include "platform/Query.h"

namespace jx {

std::optional<std::vector<std::string>> LookUpPairing(Query& query, std::string_view man,
                                                      std::string_view woman,
                                                      const std::function<void()>& beep) {
    query.close();
    query.clearStatement();
    query.setStatement(PairingStatement(man, woman));
    query.open();
    if (query.isEmpty()) {
        query.close();
        return std::nullopt;
    }
    // Column 0 is the title, which is selected but never shown.
    const std::array<std::string, 4> contents = {query.field(1), query.field(2), query.field(3),
                                                 query.field(4)};
    query.close();
    return PairingResultLines(man, woman, contents, beep);
}

}  // namespace jx
