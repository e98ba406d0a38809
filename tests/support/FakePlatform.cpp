#include "tests/support/FakePlatform.h"

#include <QApplication>

#include "common/Errors.h"

namespace jx::test {

void FakePlatform::runModal(QDialog& window) {
    modalWindows.push_back(QString::fromLatin1(window.metaObject()->className()));
    window.show();
    QApplication::processEvents();
    if (onModal) onModal(window);
    if (window.isVisible()) window.close();
    QApplication::processEvents();
}

void FakePlatform::printText(const QString& text) {
    if (!printerAvailable) throw PrintError("没有可用的默认打印机，无法打印");
    printedTexts.push_back(text);
}

ScopedFakePlatform::ScopedFakePlatform() {
    auto fake = std::make_unique<FakePlatform>();
    fake_ = fake.get();
    previous_ = installPlatform(std::move(fake));
}

ScopedFakePlatform::~ScopedFakePlatform() { installPlatform(std::move(previous_)); }

}  // namespace jx::test
