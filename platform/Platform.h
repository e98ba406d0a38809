#pragma once
// The operating-system services the windows use, behind one interface so that
// tests can install a fake that records every call instead of blocking.

#include <QString>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

class QDialog;

namespace jx {

// The five regional format items forced at start-up; values are the Windows
// LCTYPE constants so that a log or test reads like the original settings.
enum class LocaleItem : unsigned {
    LongDate = 0x20,
    ShortDate = 0x1F,
    TimeFormat = 0x1003,
    DateSeparator = 0x1D,
    TimeSeparator = 0x1E,
};

class Platform {
public:
    virtual ~Platform() = default;

    // Information box: caption "提示", OK only, information icon; blocks until dismissed.
    virtual void showInfo(const QString& text) = 0;
    // Yes/No question box with the question icon; true for Yes.
    virtual bool askYesNo(const QString& caption, const QString& text) = 0;
    // Top-level error box with the stop icon.
    virtual void showError(const QString& caption, const QString& text) = 0;
    // The shell's default action for a web or mailto: address; failures are ignored.
    virtual void openUrl(const QString& address) = 0;
    // Shows a window modally and returns when it is closed.
    virtual void runModal(QDialog& window) = 0;
    // Prints plain text on the default printer without a dialog (A4, 12.7 mm
    // margins). Throws jx::PrintError when no printer can be used.
    virtual void printText(const QString& text) = 0;
    virtual std::chrono::year_month_day today() = 0;
    // Regional settings: nullopt when the value cannot be read.
    virtual std::optional<std::string> readLocaleInfo(LocaleItem item) = 0;
    virtual void writeLocaleInfo(LocaleItem item, const std::string& value) = 0;
    virtual void beep() = 0;
    // Save-file dialog; nullopt when cancelled. filter is "description|pattern".
    virtual std::optional<QString> askSaveFileName(const QString& title, const QString& filter,
                                                   const QString& suggestedName) = 0;
};

// The installed platform; the real one unless a test installed another.
Platform& platform();
// Installs a platform and returns the one it replaces.
std::unique_ptr<Platform> installPlatform(std::unique_ptr<Platform> replacement);

}  // namespace jx
