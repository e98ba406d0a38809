#include "cli/CliCommand.h"
#include "cli/CommandList.h"

namespace jx::cli {

namespace {

void printHelp(std::ostream& out) {
    out << "用法: jixing-cli 命令 [参数]\n\n命令:\n";
    for (const Command& command : Commands()) {
        std::string head = std::string(command.name) + " " + command.usage;
        out << "  " << head;
        for (std::size_t i = head.size(); i < 34; ++i) out << ' ';
        out << command.summary << '\n';
    }
}

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = AllCommands();
    return commands;
}

int Run(const Arguments& args, Context& context) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(args.empty() ? context.err : context.out);
        return args.empty() ? kExitBadInput : kExitOk;
    }
    for (const Command& command : Commands()) {
        if (args[0] == command.name) {
            const Arguments rest(args.begin() + 1, args.end());
            return command.run(rest, context);
        }
    }
    context.err << "未知命令: " << args[0] << "\n";
    printHelp(context.err);
    return kExitBadInput;
}

}  // namespace jx::cli
