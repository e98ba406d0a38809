#pragma once
#include <QApplication>

namespace jx {

// The application object: its title is "吉星择日", and whatever an event
// handler lets through reaches the top-level error display instead of ending
// the program.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace jx
