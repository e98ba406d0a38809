#include "cli/CliCommand.h"
#include "common/Text.h"
#include "readings/wm.h"

namespace jx::cli {

// netname NAME: the letter form, a tab and the trait (empty when none applies).
int RunNetName(const Arguments& args, Context& context) {
    if (args.size() != 1) {
        context.err << "用法: netname 网名\n";
        return kExitBadInput;
    }
    const std::string name = Trim(args[0]);
    if (name.empty()) {
        context.err << "请输入你的网名！\n";
        return kExitBadInput;
    }
    const NetNameReading reading = ReadNetName(name);
    context.out << reading.letterForm << '\t' << Trim(reading.trait) << '\n';
    return kExitOk;
}

}  // namespace jx::cli
