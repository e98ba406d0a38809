#include <string_view>

#include "cli/CliCommand.h"
#include "cli/CommandList.h"

namespace jx::cli {

namespace {

// Columns a UTF-8 text takes in a terminal: Chinese characters take two.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) continue;  // continuation byte
        width += byte >= 0xE0 ? 2 : 1;
    }
    return width;
}

void printHelp(std::ostream& out) {
    out << "用法: jixing-cli 命令 [参数]\n\n命令:\n";
    for (const Command& command : Commands()) {
        const std::string head = std::string(command.name) + " " + command.usage;
        out << "  " << head;
        for (std::size_t i = displayWidth(head); i < 34; ++i) out << ' ';
        out << ' ' << command.summary << '\n';
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
