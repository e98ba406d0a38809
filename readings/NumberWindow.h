#pragma once
// The QQ-number and any-number windows: one window that reads a typed number
// by the eighty-one-number table; the two differ only in their texts.
#include <QDialog>
#include <QSize>
#include <QString>

class QLabel;
class QLineEdit;

namespace jx::readings {

struct NumberWindowTexts {
    QString caption;
    QSize clientSize;
    QString prompt;        // RzLabel1
    QString numberLabel;   // RzLabel5
    QString emptyMessage;  // shown for an empty or blank box
};

class NumberWindow : public QDialog {
    Q_OBJECT

protected:
    NumberWindow(const NumberWindowTexts& texts, QWidget* parent);

private:
    // "测算": reads the trimmed number; a conversion failure leaves the labels as they were.
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    QString emptyMessage_;
    QLineEdit* edtmun_;
    QLabel* RzLabel11_;  // the number
    QLabel* RzLabel10_;  // verse
    QLabel* RzLabel9_;   // verdict
    QLabel* RzLabel8_;   // character text
};

}  // namespace jx::readings
