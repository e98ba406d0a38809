#pragma once
// The top-level error display: whatever a command lets through ends the command
// and is shown in a stop box captioned with the application title; the program
// keeps running.
#include <exception>
#include <utility>

namespace jx {

void ShowTopLevelError(const std::exception& error);
void ShowTopLevelError(const char* utf8Message);

// Runs a command, showing any failure on the top-level error display.
template <class Command>
void RunGuarded(Command&& command) {
    try {
        std::forward<Command>(command)();
    } catch (const std::exception& error) {
        ShowTopLevelError(error);
    } catch (...) {
        ShowTopLevelError("未知错误");
    }
}

// Wraps a slot so that it runs guarded: connect(button, &QPushButton::clicked, this, Guarded([this]
// {...}));
template <class Command>
auto Guarded(Command command) {
    return [command = std::move(command)](auto&&...) { RunGuarded(command); };
}

}  // namespace jx
