#include "cli/CliCommand.h"
#include "common/Errors.h"
#include "common/NumberReading.h"
#include "common/Text.h"

namespace jx::cli {

// number TEXT: the eighty-one-number reading text, "verse|verdict|character".
int RunNumber(const Arguments& args, Context& context) {
    if (args.size() != 1) {
        context.err << "用法: number 号码\n";
        return kExitBadInput;
    }
    try {
        context.out << GetNumberReading(Trim(args[0])) << '\n';
    } catch (const ConversionError& error) {
        context.err << WithFullStop(error.what()) << '\n';
        return kExitBadInput;
    }
    return kExitOk;
}

}  // namespace jx::cli
