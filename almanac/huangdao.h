#pragma once
// The almanac day view: one day's row of the almanac, with labels, a glossary
// and printing. Modeless; any number may be open, each freed when closed.
#include <QDialog>
#include <memory>
#include <string>

#include "platform/Query.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace jx {

class TFormHuangdao : public QDialog {
    Q_OBJECT
public:
    // The almanac file beside the executable, or another one (tests).
    explicit TFormHuangdao(QWidget* parent = nullptr, std::string connectionString = std::string());
    ~TFormHuangdao() override;

    QComboBox* SYear;
    QComboBox* SMonth;
    QComboBox* Sday;
    QCheckBox* RzCheckBox1;
    QPushButton* RzBitBtn1;
    QPushButton* RzBitBtn3;
    QPushButton* RzBitBtn2;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;

    void RzBitBtn1Click();  // "测算": the lookup
    void RzBitBtn3Click();  // "打印"
    void RzBitBtn2Click();  // "关闭"

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();

    Query ADOQuery1;
    bool shown_ = false;
};

// The day view most recently created; cleared when any day view closes.
extern TFormHuangdao* FormHuangdao;

// Creates a new day view set to the three texts and shows it modeless; the
// lookup runs as it is shown.
TFormHuangdao* OpenDayView(const std::string& year, const std::string& month,
                           const std::string& day, QWidget* parent = nullptr,
                           const std::string& connectionString = std::string());

}  // namespace jx
