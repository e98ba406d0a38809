#include "pairings/Unt_servers.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <array>

#include "pairings/Pictures.h"
#include "pairings/ServiceTexts.h"
#include "platform/Fonts.h"
#include "platform/QtText.h"

namespace {

// The controls of one block: icon, heading and explanation.
struct BlockNames {
    const char* image;
    const char* heading;
    const char* explanation;
};

constexpr std::array<BlockNames, 4> kBlockNames = {{
    {"Image1", "Label1", "Label2"},
    {"Image2", "Label5", "Label3"},
    {"Image3", "Label4", "Label6"},
    {"Image4", "Label7", "Label8"},
}};

constexpr int kBlockTop = 12;
constexpr int kBlockStep = 65;

}  // namespace

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_servers"));
    setWindowTitle(QStringLiteral("客户服务"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(jx::WindowFont(QStringLiteral("宋体"), 12));
    setFixedSize(420, 273);
    setStyleSheet(QStringLiteral("TFrm_servers { background: white; }"));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, 420, 273);
    panel->setStyleSheet(QStringLiteral(
        "#RzPanel1 { background: white; border: 1px solid #A0A0A0; border-radius: 6px; }"));

    for (std::size_t i = 0; i < jx::kServiceBlocks.size(); ++i) {
        const jx::ServiceBlock& block = jx::kServiceBlocks[i];
        const BlockNames& names = kBlockNames[i];
        const int top = kBlockTop + static_cast<int>(i) * kBlockStep;

        auto* image = new QLabel(panel);
        image->setObjectName(QString::fromLatin1(names.image));
        image->setPixmap(QPixmap::fromImage(jx::DrawServiceIcon(block.icon)));
        image->setGeometry(14, top, 41, 41);

        auto* heading =
            new QLabel(jx::ToQString(block.heading) + jx::ToQString(block.value), panel);
        heading->setObjectName(QString::fromLatin1(names.heading));
        heading->setFont(jx::WindowFont(QStringLiteral("宋体"), 12, true));
        heading->setStyleSheet(QStringLiteral("color: #000080; border: none;"));
        heading->setGeometry(66, top, 340, 18);

        auto* explanation = new QLabel(jx::ToQString(block.explanation), panel);
        explanation->setObjectName(QString::fromLatin1(names.explanation));
        explanation->setWordWrap(true);
        explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        explanation->setStyleSheet(QStringLiteral("color: black; border: none;"));
        explanation->setGeometry(66, top + 20, 340, 36);
    }
}
