#pragma once
// The zodiac pairing window: pick the man's and the woman's animal, read their
// stored reading into the memo and save it as a text file.
#include <QDialog>
#include <memory>
#include <string>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace jx {
class Query;
}

class TFrm_SxPeid : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_SxPeid(QWidget* parent = nullptr);
    // Reads another data file instead of SanFile.dll beside the executable.
    TFrm_SxPeid(std::string connectionString, QWidget* parent = nullptr);
    ~TFrm_SxPeid() override;

    // The name the next save offers; empty until a pairing finds a row.
    const std::string& defaultSaveName() const { return saveName_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void RzBitBtn1Click();
    void RzBitBtn2Click();

    std::string connectionString_;
    std::string saveName_;
    std::unique_ptr<jx::Query> AdoData;
    QComboBox* ComboBoxDL;
    QComboBox* ComboBoxXX;
    QPushButton* RzBitBtn1;
    QPushButton* RzBitBtn2;
    QPushButton* RzBitBtn4;
    QPlainTextEdit* RzMemo1;
};
