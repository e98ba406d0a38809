#include "pairings/Uabout.h"

#include <QLabel>
#include <QPixmap>

#include "pairings/Pictures.h"
#include "pairings/ServiceTexts.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"

namespace {

QFont KaiFont(int pixelSize) {
    QFont font = jx::WindowFont(QStringLiteral("楷体_GB2312"), pixelSize, true);
    font.setFamilies({QStringLiteral("楷体_GB2312"), QStringLiteral("KaiTi"),
                      QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC")});
    return font;
}

QLabel* Line(QWidget* parent, const char* name, const QString& text, int top, int height,
             const char* colour) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(163, top, 152, height);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QString::fromLatin1(colour)));
    return label;
}

}  // namespace

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("关于系统"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(jx::WindowFont(QStringLiteral("宋体"), 12));
    setFixedSize(321, 149);

    auto* Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap::fromImage(jx::DrawAboutPicture(QSize(150, 150))));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(0, 0, 153, 149);

    QLabel* name = Line(this, "RzLabel2", jx::ToQString(jx::kProductName), 10, 32, "#000080");
    name->setFont(KaiFont(24));
    QLabel* publisher =
        Line(this, "RzLabel1", jx::ToQString(jx::kPublisherLine), 46, 22, "#FF0000");
    publisher->setFont(KaiFont(15));
    Line(this, "RzLabel4", jx::ToQString(jx::kContactPerson), 74, 18, "black");
    Line(this, "RzLabel3", QStringLiteral("QQ：") + jx::ToQString(jx::kServiceQq), 96, 18, "black");
    Line(this, "RzLabel6", QStringLiteral("电话：") + jx::ToQString(jx::kServicePhone), 118, 18,
         "#000080");
}
