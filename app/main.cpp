#include "app/Application.h"
#include "app/RegionalFormats.h"
#include "app/Unt_Main.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    jx::Application app(argc, argv);  // sets the title
    jx::ForceRegionalFormats(jx::platform());
    jx::TFrmmain mainWindow;
    mainWindow.show();
    return app.exec();
}
