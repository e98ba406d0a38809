#include <QIcon>

#include "app/Application.h"
#include "app/Pictures.h"
#include "app/RegionalFormats.h"
#include "app/Unt_Main.h"
#include "platform/Platform.h"

int main(int argc, char** argv) {
    jx::Application app(argc, argv);  // sets the title
    QIcon icon;
    for (int size : {16, 32, 64, 128}) icon.addPixmap(jx::IconPicture(size));
    QApplication::setWindowIcon(icon);
    jx::ForceRegionalFormats(jx::platform());
    jx::TFrmmain mainWindow;
    mainWindow.show();
    return app.exec();
}
