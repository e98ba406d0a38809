#pragma once
// The terminal tool's commands. Each takes its arguments (without the command
// name) and returns the process exit code.
#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace jx::cli {

struct Context {
    std::string dataFolder;  // where the .dll data files are, with trailing "/"
    std::chrono::year_month_day today;
    std::ostream& out;
    std::ostream& err;
};

using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;    // arguments, shown by --help
    const char* summary;  // one line, shown by --help
    int (*run)(const Arguments& args, Context& context);
};

// Exit codes shared by the commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotFound = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitDataError = 3;

// A date given as year, month and day arguments, checked as the windows check
// a date selection; nullopt when it is not a valid date.
std::optional<std::chrono::year_month_day> DateArgument(const std::string& year,
                                                        const std::string& month,
                                                        const std::string& day);

// Columns a UTF-8 text takes in a terminal: a Chinese character takes two.
int DisplayWidth(std::string_view text);

// Every command the tool knows, in the order --help lists them.
const std::vector<Command>& Commands();

// Runs the tool on argv-style arguments (without the program name).
int Run(const Arguments& args, Context& context);

}  // namespace jx::cli
