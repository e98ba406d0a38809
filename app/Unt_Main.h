#pragma once
// The main window: the date selection that opens the almanac day view, the
// commands of the menu bar and the left tabs, and the exit question.
#include <QMainWindow>

class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QShowEvent;
class QTabWidget;

namespace jx {

class TFrmmain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TFrmmain(QWidget* parent = nullptr);

    QFrame* RzPanel1;
    QComboBox* SYear;
    QComboBox* SMonth;
    QComboBox* Sday;
    QPushButton* RzButton57;  // "查询"
    QPushButton* RzButton56;  // "本日吉日"
    QPushButton* RzButton4;   // "客户服务"
    QPushButton* RzButton60;  // "软件主页"
    QPushButton* RzButton59;  // "QQ对话"
    QScrollArea* ScrollBox1;
    QTabWidget* RzPageControl1;
    QWidget* RzPanel2;  // tab "吉日分类"
    QWidget* RzPanel5;  // tab "其他查询"
    QLabel* RzStatusPane1;

    void RzButton57Click();
    void RzButton56Click();
    void dxBarButton5Click();
    // Asks whether to leave; on Yes opens the publisher's page and ends the
    // application. Returns whether the answer was Yes.
    bool ConfirmExit();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormShow();
    void FormCloseQuery(QCloseEvent* event);
    void buildTopPanel();
    void buildMenus();

    bool shown_ = false;
    bool exitConfirmed_ = false;
};

}  // namespace jx
