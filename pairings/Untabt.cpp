#include "pairings/Untabt.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>

#include "pairings/BabySexChart.h"
#include "pairings/Pictures.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"

namespace {

// A page holding one picture, unscaled at its top-left corner on white.
QWidget* PicturePage(const char* pageName, const char* imageName, const QImage& picture) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(pageName));
    page->setAutoFillBackground(true);
    page->setStyleSheet(QStringLiteral("background: white;"));
    auto* image = new QLabel(page);
    image->setObjectName(QString::fromLatin1(imageName));
    image->setPixmap(QPixmap::fromImage(picture));
    image->setGeometry(QRect(QPoint(0, 0), picture.size()));
    return page;
}

}  // namespace

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_NanNv"));
    setWindowTitle(QStringLiteral("生男生女"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(jx::WindowFont(QStringLiteral("宋体"), 12));
    setFixedSize(586, 446);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, 586, 446);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Base);

    RzPageControl1 = new QTabWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setGeometry(0, 0, 586, 393);
    RzPageControl1->addTab(
        PicturePage("TabSheet1", "Image1", jx::DrawChartPicture(jx::kChartYoung, QSize(563, 322))),
        QStringLiteral("18到31岁"));
    RzPageControl1->addTab(
        PicturePage("TabSheet2", "Image2", jx::DrawChartPicture(jx::kChartOlder, QSize(537, 344))),
        QStringLiteral("32到44岁"));
    RzPageControl1->addTab(
        PicturePage("TabSheet3", "Image3", jx::DrawChartArticle(QSize(544, 178))),
        QStringLiteral("生男生女有秘诀"));
    RzPageControl1->setCurrentIndex(0);

    auto* RzLabel1 = new QLabel(jx::ToQString(jx::kChartExplanation), panel);
    RzLabel1->setObjectName(QStringLiteral("RzLabel1"));
    RzLabel1->setWordWrap(true);
    RzLabel1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    RzLabel1->setGeometry(17, 400, 552, 40);
}
