#pragma once
#include "platform/Platform.h"

namespace jx {

// The platform layer for a real desktop session, built on Qt.
class QtPlatform final : public Platform {
public:
    void showInfo(const QString& text) override;
    bool askYesNo(const QString& caption, const QString& text) override;
    void showError(const QString& caption, const QString& text) override;
    void openUrl(const QString& address) override;
    void runModal(QDialog& window) override;
    void printText(const QString& text) override;
    std::chrono::year_month_day today() override;
    std::optional<std::string> readLocaleInfo(LocaleItem item) override;
    void writeLocaleInfo(LocaleItem item, const std::string& value) override;
    void beep() override;
    std::optional<QString> askSaveFileName(const QString& title, const QString& filter,
                                           const QString& suggestedName) override;
};

}  // namespace jx
