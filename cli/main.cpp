#include <QCoreApplication>
#include <iostream>

#include "cli/CliCommand.h"
#include "common/ConnectionStrings.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    // The database layer needs an application object for its driver plug-ins.
    QCoreApplication app(argc, argv);
    jx::cli::Arguments args(argv + 1, argv + argc);
    jx::cli::Context context{jx::ExecutableFolder(), jx::platform().today(), std::cout, std::cerr};
    return jx::cli::Run(args, context);
}
