#include "readings/UntWangm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/ShowInfo.h"
#include "common/Text.h"
#include "platform/ErrorDisplay.h"
#include "readings/WindowParts.h"
#include "readings/wm.h"

namespace jx {

namespace {
constexpr int kNameBytes = 18;  // GBK bytes: 18 ASCII or 9 Chinese characters
const QColor kNameColor(0x00, 0x80, 0x00);
const QColor kTraitColor(0x00, 0x00, 0x80);
}  // namespace

using namespace readings;

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent) {
    SetUpReadingWindow(this, QStringLiteral("网名与性格"), QSize(395, 213));
    QWidget* panel = MakePanel(this);

    QGroupBox* input = MakeGroupBox(panel, "RzGroupBox2", QString(), {8, 6, 379, 44});
    MakeLabel(input, "RzLabel1", QStringLiteral("输入网名："), {10, 14, 64, 16});
    edtmun_ = new QLineEdit(input);
    edtmun_->setObjectName(QStringLiteral("edtmun"));
    edtmun_->setGeometry(76, 12, 150, 20);
    edtmun_->setValidator(new UpperCaseValidator(edtmun_, kNameBytes));
    auto* run = MakeButton(input, "RzBitBtn1", QStringLiteral("测算"), {236, 10, 64, 24}, false);
    auto* close = MakeButton(input, "RzBitBtn2", QStringLiteral("关闭"), {306, 10, 64, 24}, true);

    QGroupBox* result =
        MakeGroupBox(panel, "RzGroupBox1", QStringLiteral("测算结果"), {8, 56, 379, 149});
    RzLabel11_ = MakeLabel(result, "RzLabel11", QString(), {12, 22, 355, 16}, kNameColor);
    RzLabel8_ = MakeLabel(result, "RzLabel8", QString(), {12, 42, 329, 75}, kTraitColor);
    RzLabel8_->setWordWrap(true);
    MakeLabel(result, "RzLabel9", QString(), {12, 122, 160, 16});
    MakeLabel(result, "RzLabel10", QString(), {180, 122, 160, 16});

    connect(run, &QPushButton::clicked, this, Guarded([this] { RzBitBtn1Click(); }));
    connect(close, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
    // edtmunKeyPress: only Enter has a meaning here.
    new TypedKeyFilter(edtmun_, false, [this] { RzBitBtn1Click(); });
    edtmun_->setFocus();
}

void TFrmWangming::RzBitBtn1Click() {
    const std::string name = Trim(edtmun_->text().toStdString());
    if (name.empty()) {
        ShowInfo(QStringLiteral("请输入你的网名！"));
        return;
    }
    RzLabel11_->setText(QStringLiteral("你的网名：") + QString::fromStdString(name));
    try {
        const std::string trait = Trim(ReadNetName(name).trait);
        RzLabel8_->setText(QStringLiteral("你的性格：") + QString::fromStdString(trait));
    } catch (const std::exception&) {
        RzLabel8_->setText(QStringLiteral("请重新输入网名，请不要输入特殊字符！"));
    }
}

void TFrmWangming::RzBitBtn2Click() { close(); }

}  // namespace jx
