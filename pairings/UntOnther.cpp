#include "pairings/UntOnther.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>

#include "pairings/OmenPages.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"

namespace {}  // namespace

TFormOnther::TFormOnther(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormOnther"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(jx::WindowFont(QStringLiteral("宋体"), 12));
    setFixedSize(380, 249);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, 380, 249);
    panel->setStyleSheet(
        QStringLiteral("#RzPanel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #FFFFFF, stop:1 #A6CAF0); }"));

    // A stack without tabs: the page is chosen by the command, never by the user.
    RzPageControl1 = new QStackedWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(0, 0, 380, 182);
    for (int index = 0; index < jx::kOmenPageCount; ++index) {
        auto* page = new QWidget;
        page->setObjectName(QStringLiteral("TabSheet%1").arg(index + 1));
        auto* memo = new QPlainTextEdit(page);
        memo->setObjectName(QStringLiteral("Memo%1").arg(index + 1));
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        memo->setStyleSheet(QStringLiteral("background: white;"));
        memo->setPlainText(jx::ToQString(jx::OmenPageText(index)));
        memo->setGeometry(0, 0, 380, 182);
        RzPageControl1->addWidget(page);
    }
    noPage_ = new QWidget;
    RzPageControl1->addWidget(noPage_);
    RzPageControl1->setCurrentWidget(noPage_);

    auto* RzLabel1 = new QLabel(jx::ToQString(jx::kOmenExplanation), panel);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    RzLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RzLabel1->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
    // A size smaller than the window's, so the four lines fit the CJK fonts' taller lines.
    RzLabel1->setFont(jx::WindowFont(QStringLiteral("宋体"), 11));
    RzLabel1->setGeometry(10, 184, 360, 65);
}

void TFormOnther::selectPage(int index) {
    if (index >= 0 && index < jx::kOmenPageCount)
        RzPageControl1->setCurrentIndex(index);
    else
        RzPageControl1->setCurrentWidget(noPage_);
}

int TFormOnther::pageIndex() const {
    return RzPageControl1->currentWidget() == noPage_ ? -1 : RzPageControl1->currentIndex();
}

TFormOnther* ShowOmenPage(const QString& title, int pageIndex, QWidget* parent) {
    auto* window = new TFormOnther(parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    window->selectPage(pageIndex);
    window->setModal(false);
    window->show();
    return window;
}
