#include "cli/CliCommand.h"
#include "common/ConnectionStrings.h"
#include "common/Errors.h"
#include "common/Text.h"
#include "readings/Shouji.h"
#include "readings/ShoujiLookup.h"

namespace jx::cli {

// phone NUMBER: "key<TAB>title<TAB>jx<TAB>content" from dream.dll. A key
// without a row prints the key and three empty fields and exits 1.
int RunPhone(const Arguments& args, Context& context) {
    if (args.size() != 1) {
        context.err << "用法: phone 手机号码\n";
        return kExitBadInput;
    }
    const std::string number = Trim(args[0]);
    if (number.empty()) {
        context.err << "请输入11位手机号码！\n";
        return kExitBadInput;
    }
    std::string key;
    try {
        key = shoujiinfostr(number);
    } catch (const ConversionError& error) {
        context.err << WithFullStop(error.what()) << '\n';
        return kExitBadInput;
    }
    std::optional<ShoujiRow> row;
    try {
        row = LookUpShouji(MakeConnectionString(context.dataFolder, "dream.dll"), key);
    } catch (const std::exception& error) {
        context.err << WithFullStop(error.what()) << '\n';
        return kExitDataError;
    }
    const ShoujiRow fields = row.value_or(ShoujiRow{});
    context.out << key << '\t' << Trim(fields.title) << '\t' << Trim(fields.jx) << '\t'
                << Trim(fields.content) << '\n';
    return row ? kExitOk : kExitNotFound;
}

}  // namespace jx::cli
