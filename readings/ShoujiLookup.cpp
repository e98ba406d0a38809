#include "readings/ShoujiLookup.h"

#include "platform/Query.h"
#include "readings/Shouji.h"

namespace jx {

std::optional<ShoujiRow> LookUpShouji(const std::string& connectionString, const std::string& key) {
    Query query;
    query.setConnectionString(connectionString);
    query.close();
    query.clearStatement();
    query.setStatement(ShoujiQueryText(key));
    query.open();
    if (query.isEmpty()) return std::nullopt;
    return ShoujiRow{query.field(0), query.field(1), query.field(2)};
}

}  // namespace jx
