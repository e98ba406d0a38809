#pragma once
// The mobile-number reading window.
#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace jx {

class TFrm_SJcs : public QDialog {
    Q_OBJECT

public:
    explicit TFrm_SJcs(QWidget* parent = nullptr);
    // Reads from this connection string instead of dream.dll beside the
    // executable (for tests and other data folders).
    void setConnectionString(std::string connectionString);

protected:
    // FormShow: a number placed in the box before showing is read at once.
    void showEvent(QShowEvent* event) override;

private:
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    std::optional<std::string> connectionString_;
    QLineEdit* edtmun_;
    QLabel* RzLabel11_;  // the number
    QLabel* RzLabel10_;  // title
    QLabel* RzLabel9_;   // jx
    QLabel* RzLabel8_;   // content
};

}  // namespace jx
