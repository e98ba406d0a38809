#include "cli/CliCommand.h"

namespace jx::cli {

int RunDay(const Arguments&, Context& context) {
    context.err << "day: not built yet\n";
    return kExitDataError;
}

}  // namespace jx::cli
