#include "app/Application.h"

#include "platform/ErrorDisplay.h"

namespace jx {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("吉星择日"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunGuarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

}  // namespace jx
