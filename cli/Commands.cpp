#include <string_view>

#include "app/DateSelection.h"
#include "cli/CliCommand.h"
#include "cli/CommandList.h"

namespace jx::cli {

namespace {

void printHelp(std::ostream& out) {
    out << "用法: jixing-cli 命令 [参数]\n\n命令:\n";
    for (const Command& command : Commands()) {
        const std::string head = std::string(command.name) + " " + command.usage;
        out << "  " << head;
        for (std::size_t i = static_cast<std::size_t>(DisplayWidth(head)); i < 34; ++i) out << ' ';
        out << ' ' << command.summary << '\n';
    }
}

}  // namespace

std::optional<std::chrono::year_month_day> DateArgument(const std::string& year,
                                                        const std::string& month,
                                                        const std::string& day) {
    const DateCheck check = CheckDateSelection(year, month, day);
    if (!check.selection) return std::nullopt;
    return ParseDateText(check.selection->dateText);
}

int DisplayWidth(std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        width += length == 1 ? 1 : 2;
        i += length;
    }
    return width;
}

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
