#include "readings/NumberWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/NumberReading.h"
#include "common/ShowInfo.h"
#include "common/Text.h"
#include "platform/ErrorDisplay.h"
#include "readings/SplitReading.h"
#include "readings/WindowParts.h"

namespace jx::readings {

namespace {
constexpr int kNumberLength = 18;  // 18 digits never leave the 64-bit range
const QColor kVerdictColor(0xFF, 0x00, 0x00);
}  // namespace

NumberWindow::NumberWindow(const NumberWindowTexts& texts, QWidget* parent)
    : QDialog(parent), emptyMessage_(texts.emptyMessage) {
    SetUpReadingWindow(this, texts.caption, texts.clientSize);
    QWidget* panel = MakePanel(this);
    const int width = texts.clientSize.width() - 16;

    QGroupBox* input = MakeGroupBox(panel, "RzGroupBox2", QString(), {8, 6, width, 44});
    MakeLabel(input, "RzLabel1", texts.prompt, {10, 14, 64, 16});
    edtmun_ = new QLineEdit(input);
    edtmun_->setObjectName(QStringLiteral("edtmun"));
    edtmun_->setGeometry(76, 12, 146, 20);
    edtmun_->setMaxLength(kNumberLength);
    edtmun_->setValidator(new UpperCaseValidator(edtmun_));
    auto* run = MakeButton(input, "RzBitBtn1", QStringLiteral("测算"), {230, 10, 64, 24}, false);
    auto* close = MakeButton(input, "RzBitBtn2", QStringLiteral("关闭"), {300, 10, 64, 24}, true);

    QGroupBox* result = MakeGroupBox(panel, "RzGroupBox1", QStringLiteral("测算结果"),
                                     {8, 56, width, texts.clientSize.height() - 64});
    const int valueWidth = width - 96;
    MakeLabel(result, "RzLabel5", texts.numberLabel, {10, 22, 76, 16});
    RzLabel11_ = MakeLabel(result, "RzLabel11", QString(), {88, 22, valueWidth, 16});
    MakeLabel(result, "RzLabel4", QStringLiteral("状态："), {10, 42, 76, 16});
    RzLabel10_ = MakeLabel(result, "RzLabel10", QString(), {88, 42, valueWidth, 16});
    MakeLabel(result, "RzLabel6", QStringLiteral("吉凶："), {10, 62, 76, 16});
    RzLabel9_ = MakeLabel(result, "RzLabel9", QString(), {88, 62, valueWidth, 16}, kVerdictColor);
    MakeLabel(result, "RzLabel7", QStringLiteral("具体表现："), {10, 82, 76, 16});
    RzLabel8_ = MakeLabel(result, "RzLabel8", QString(), {88, 82, valueWidth, 7 * 17});
    RzLabel8_->setWordWrap(true);

    connect(run, &QPushButton::clicked, this, Guarded([this] { RzBitBtn1Click(); }));
    connect(close, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
    // edtmunKeyPress: digits, backspace and Enter; Enter reads as "测算" does.
    new TypedKeyFilter(edtmun_, true, [this] { RzBitBtn1Click(); });
    edtmun_->setFocus();
}

void NumberWindow::RzBitBtn1Click() {
    const std::string number = Trim(edtmun_->text().toStdString());
    if (number.empty()) {
        ShowInfo(emptyMessage_);
        return;
    }
    const SplitText parts = SplitReading(GetNumberReading(number));
    for (QLabel* label : {RzLabel11_, RzLabel10_, RzLabel9_, RzLabel8_}) label->clear();
    RzLabel11_->setText(QString::fromStdString(number));
    RzLabel10_->setText(QString::fromStdString(parts.verse));
    RzLabel9_->setText(QString::fromStdString(parts.verdict));
    RzLabel8_->setText(QString::fromStdString(parts.character));
}

void NumberWindow::RzBitBtn2Click() { close(); }

}  // namespace jx::readings
