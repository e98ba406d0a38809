#include <charconv>

#include "cli/CliCommand.h"
#include "pairings/OmenPages.h"

namespace jx::cli {

// omen INDEX: the page text of omen page 0 to 6, under its title.
int RunOmen(const Arguments& args, Context& context) {
    int index = -1;
    if (args.size() == 1) {
        const std::string& text = args[0];
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), index);
        if (error != std::errc() || stop != text.data() + text.size()) index = -1;
    }
    if (index < 0 || index >= kOmenPageCount) {
        context.err << "用法: omen 页号(0-6)\n";
        for (int page = 0; page < kOmenPageCount; ++page)
            context.err << "  " << page << "  " << OmenPages()[static_cast<std::size_t>(page)].title
                        << '\n';
        return kExitBadInput;
    }
    context.out << OmenPageText(index) << '\n';
    return kExitOk;
}

}  // namespace jx::cli
