#pragma once
// The net-name reading window.
#include <QDialog>

class QLabel;
class QLineEdit;

namespace jx {

class TFrmWangming : public QDialog {
    Q_OBJECT

public:
    explicit TFrmWangming(QWidget* parent = nullptr);

private:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QLineEdit* edtmun_;
    QLabel* RzLabel11_;  // "你的网名：" and the name
    QLabel* RzLabel8_;   // "你的性格：" and the trait, or the error text
};

}  // namespace jx
