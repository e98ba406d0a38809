#pragma once
// The modal feature windows of the main window's commands. Opening one frees
// the window of that command left from the previous use (one that only hid
// itself when closed), creates a fresh one and runs it modally through the
// platform layer, so nothing carries over from an earlier use.
#include <QPointer>
#include <map>

#include "app/CommandTable.h"

class QDialog;
class QWidget;

namespace jx {

class FeatureWindows {
public:
    // The windows are created as children of `owner`, so they end with it.
    explicit FeatureWindows(QWidget* owner);

    // Whether the program has a window for the command.
    static bool IsAvailable(Command command);
    // Runs the command's window modally; does nothing for a command without one.
    void open(Command command);
    // The command's window from the latest use while it still exists, else null.
    QDialog* current(Command command) const;

private:
    QWidget* owner_;
    std::map<Command, QPointer<QDialog>> current_;
};

}  // namespace jx
