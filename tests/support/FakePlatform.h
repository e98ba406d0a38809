#pragma once
// A platform layer for tests: records every call, never blocks, and answers
// from fields the test sets.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace jx::test {

class FakePlatform final : public Platform {
public:
    struct Message {
        QString caption;
        QString text;
    };

    // What was asked of the platform, in order.
    std::vector<QString> infos;
    std::vector<Message> questions;
    std::vector<Message> errors;
    std::vector<QString> openedUrls;
    std::vector<QString> modalWindows;  // class names, as reported by metaObject()
    std::vector<QString> printedTexts;
    std::vector<std::pair<LocaleItem, std::string>> localeWrites;
    struct SaveDialog {
        QString title;
        QString filter;
        QString suggestedName;
    };
    std::vector<SaveDialog> saveDialogs;
    int beeps = 0;

    // Answers.
    bool yesNoAnswer = false;
    bool printerAvailable = true;
    std::chrono::year_month_day todayDate{std::chrono::year{2010}, std::chrono::May,
                                          std::chrono::day{1}};
    std::map<LocaleItem, std::optional<std::string>> localeValues;
    std::optional<QString> saveFileAnswer;
    // Runs while a modal window is "shown"; the window is shown (not exec'd)
    // beforehand so the test can drive it. Default: close at once.
    std::function<void(QDialog&)> onModal;

    void showInfo(const QString& text) override { infos.push_back(text); }
    bool askYesNo(const QString& caption, const QString& text) override {
        questions.push_back({caption, text});
        return yesNoAnswer;
    }
    void showError(const QString& caption, const QString& text) override {
        errors.push_back({caption, text});
    }
    void openUrl(const QString& address) override { openedUrls.push_back(address); }
    void runModal(QDialog& window) override;
    void printText(const QString& text) override;
    std::chrono::year_month_day today() override { return todayDate; }
    std::optional<std::string> readLocaleInfo(LocaleItem item) override {
        auto it = localeValues.find(item);
        return it == localeValues.end() ? std::nullopt : it->second;
    }
    void writeLocaleInfo(LocaleItem item, const std::string& value) override {
        localeWrites.emplace_back(item, value);
        localeValues[item] = value;
    }
    void beep() override { ++beeps; }
    std::optional<QString> askSaveFileName(const QString& title, const QString& filter,
                                           const QString& suggestedName) override {
        saveDialogs.push_back({title, filter, suggestedName});
        return saveFileAnswer;
    }
};

// Installs a fresh fake for the lifetime of the object and restores the
// previous platform afterwards.
class ScopedFakePlatform {
public:
    ScopedFakePlatform();
    ~ScopedFakePlatform();
    FakePlatform& operator*() { return *fake_; }
    FakePlatform* operator->() { return fake_; }

private:
    FakePlatform* fake_;
    std::unique_ptr<Platform> previous_;
};

}  // namespace jx::test
