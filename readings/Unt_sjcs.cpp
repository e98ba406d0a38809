#include "readings/Unt_sjcs.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

#include "common/ConnectionStrings.h"
#include "common/ShowInfo.h"
#include "common/Text.h"
#include "platform/ErrorDisplay.h"
#include "readings/Shouji.h"
#include "readings/ShoujiLookup.h"
#include "readings/WindowParts.h"

namespace jx {

namespace {
constexpr int kPhoneLength = 11;
const QColor kVerdictColor(0xFF, 0x00, 0x00);
QString fromUtf8(const std::string& text) { return QString::fromStdString(Trim(text)); }
}  // namespace

using namespace readings;

TFrm_SJcs::TFrm_SJcs(QWidget* parent) : QDialog(parent) {
    SetUpReadingWindow(this, QStringLiteral("手机号码测算"), QSize(437, 300));
    QWidget* panel = MakePanel(this);

    QGroupBox* input = MakeGroupBox(panel, "RzGroupBox2", QString(), {8, 4, 421, 54});
    MakeLabel(input, "RzLabel1", QStringLiteral("输入号码："), {10, 12, 64, 16});
    edtmun_ = new QLineEdit(input);
    edtmun_->setObjectName(QStringLiteral("edtmun"));
    edtmun_->setGeometry(76, 8, 170, 20);
    edtmun_->setMaxLength(kPhoneLength);
    edtmun_->setValidator(new UpperCaseValidator(edtmun_));
    auto* run = MakeButton(input, "RzBitBtn1", QStringLiteral("测算"), {262, 6, 70, 24}, false);
    auto* close = MakeButton(input, "RzBitBtn2", QStringLiteral("关闭"), {340, 6, 70, 24}, true);
    MakeLabel(input, "RzLabel2", QStringLiteral("请注意：手机号码是11位，请正确输入。"),
              {76, 34, 330, 16});

    QGroupBox* result =
        MakeGroupBox(panel, "RzGroupBox1", QStringLiteral("测算结果"), {8, 60, 421, 178});
    MakeLabel(result, "RzLabel5", QStringLiteral("手机号码是："), {10, 20, 76, 16});
    RzLabel11_ = MakeLabel(result, "RzLabel11", QString(), {88, 20, 325, 16});
    MakeLabel(result, "RzLabel4", QStringLiteral("状态："), {10, 38, 76, 16});
    RzLabel10_ = MakeLabel(result, "RzLabel10", QString(), {88, 38, 325, 16});
    MakeLabel(result, "RzLabel6", QStringLiteral("吉凶："), {10, 56, 76, 16});
    RzLabel9_ = MakeLabel(result, "RzLabel9", QString(), {88, 56, 325, 16}, kVerdictColor);
    MakeLabel(result, "RzLabel7", QStringLiteral("具体表现："), {10, 74, 76, 16});
    RzLabel8_ = MakeLabel(result, "RzLabel8", QString(), {88, 74, 325, 6 * 17});
    RzLabel8_->setWordWrap(true);

    QLabel* note = MakeLabel(
        panel, "RzLabel3",
        QStringLiteral(
            "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势"
            "命运的意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所"
            "有人的沟通桥梁！"),
        {10, 240, 417, 58});
    note->setWordWrap(true);

    connect(run, &QPushButton::clicked, this, Guarded([this] { RzBitBtn1Click(); }));
    connect(close, &QPushButton::clicked, this, [this] { RzBitBtn2Click(); });
    new TypedKeyFilter(edtmun_, true, [this] { RzBitBtn1Click(); });
    edtmun_->setFocus();
}

void TFrm_SJcs::setConnectionString(std::string connectionString) {
    connectionString_ = std::move(connectionString);
}

void TFrm_SJcs::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous() && !Trim(edtmun_->text().toStdString()).empty())
        RunGuarded([this] { RzBitBtn1Click(); });
}

void TFrm_SJcs::RzBitBtn1Click() {
    const std::string number = Trim(edtmun_->text().toStdString());
    if (number.empty()) {
        ShowInfo(QStringLiteral("请输入11位手机号码！"));
        return;
    }
    const std::string key = shoujiinfostr(number);
    std::optional<ShoujiRow> row;
    try {
        // Built anew for every reading, so the file beside the executable is found each time.
        row = LookUpShouji(connectionString_.value_or(DreamConnectionString()), key);
    } catch (const std::exception&) {
        return;  // the data file cannot be read: stay silent and keep the labels
    }
    for (QLabel* label : {RzLabel11_, RzLabel10_, RzLabel9_, RzLabel8_}) label->clear();
    RzLabel11_->setText(QString::fromStdString(number));
    if (row) {
        RzLabel10_->setText(fromUtf8(row->title));
        RzLabel9_->setText(fromUtf8(row->jx));
        RzLabel8_->setText(fromUtf8(row->content));
    }
}

void TFrm_SJcs::RzBitBtn2Click() { close(); }

}  // namespace jx
