#include "pairings/SxPeid.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShowEvent>
#include <QStringList>

#include "common/ConnectionStrings.h"
#include "common/Text.h"
#include "pairings/PairingLookup.h"
#include "pairings/Pictures.h"
#include "pairings/ZodiacPairing.h"
#include "platform/ErrorDisplay.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/Query.h"

namespace {

QComboBox* AnimalList(QWidget* parent, const char* name, const QRect& geometry) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    for (std::string_view animal : jx::kZodiacAnimals) list->addItem(jx::ToQString(animal));
    list->setCurrentIndex(0);
    list->setGeometry(geometry);
    return list;
}

QPushButton* PictureButton(QWidget* parent, const char* name, const QString& caption,
                           jx::ButtonPicture picture, int x) {
    auto* button = new QPushButton(jx::DrawButtonPicture(picture), caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, 37, 75, 25);
    return button;
}

// Writes the file through a temporary beside it, so a failed write leaves any
// existing file as it was.
bool WriteWhole(const QString& fileName, const std::string& bytes) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace

TFrm_SxPeid::TFrm_SxPeid(QWidget* parent) : TFrm_SxPeid(jx::SanFileConnectionString(), parent) {}

TFrm_SxPeid::TFrm_SxPeid(std::string connectionString, QWidget* parent)
    : QDialog(parent),
      connectionString_(std::move(connectionString)),
      AdoData(std::make_unique<jx::Query>()) {
    setObjectName(QStringLiteral("Frm_SxPeid"));
    setWindowTitle(QStringLiteral("生肖配对"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(jx::WindowFont(QStringLiteral("宋体"), 12));
    setFixedSize(416, 307);
    // Closing frees the window; the main window's reference follows through QPointer.
    setAttribute(Qt::WA_DeleteOnClose);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, 416, 68);
    panel->setStyleSheet(
        QStringLiteral("#RzPanel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 #FFFFFF, stop:1 #A6CAF0); }"));

    auto* manCaption = new QLabel(QStringLiteral("男的生肖："), panel);
    manCaption->setObjectName(QStringLiteral("Label1"));
    manCaption->setGeometry(40, 10, 64, 20);
    ComboBoxDL = AnimalList(panel, "ComboBoxDL", QRect(104, 8, 80, 22));
    auto* Label2 = new QLabel(QStringLiteral("女的生肖："), panel);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(220, 10, 64, 20);
    ComboBoxXX = AnimalList(panel, "ComboBoxXX", QRect(284, 8, 80, 22));

    RzBitBtn1 =
        PictureButton(panel, "RzBitBtn1", QStringLiteral("配对"), jx::ButtonPicture::Pair, 88);
    RzBitBtn2 =
        PictureButton(panel, "RzBitBtn2", QStringLiteral("保存"), jx::ButtonPicture::Save, 171);
    RzBitBtn4 =
        PictureButton(panel, "RzBitBtn4", QStringLiteral("关闭"), jx::ButtonPicture::Close, 254);

    RzMemo1 = new QPlainTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setGeometry(0, 68, 416, 307 - 68);

    connect(RzBitBtn1, &QPushButton::clicked, this, jx::Guarded([this] { RzBitBtn1Click(); }));
    connect(RzBitBtn2, &QPushButton::clicked, this, jx::Guarded([this] { RzBitBtn2Click(); }));
    connect(RzBitBtn4, &QPushButton::clicked, this, jx::Guarded([this] { close(); }));
}

TFrm_SxPeid::~TFrm_SxPeid() = default;

void TFrm_SxPeid::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) jx::RunGuarded([this] { FormShow(); });
}

void TFrm_SxPeid::FormShow() {
    saveName_.clear();
    AdoData->setConnectionString(connectionString_);
}

void TFrm_SxPeid::RzBitBtn1Click() {
    const std::string man = jx::Trim(ComboBoxDL->currentText().toStdString());
    const std::string woman = jx::Trim(ComboBoxXX->currentText().toStdString());
    std::optional<std::vector<std::string>> lines;
    try {
        lines = jx::LookUpPairing(*AdoData, man, woman, [] { jx::platform().beep(); });
    } catch (const std::exception&) {
        // A missing or broken data file ends the pairing silently, the old result kept.
        AdoData->close();
        return;
    }
    RzMemo1->clear();
    if (!lines) return;
    QStringList text;
    for (const std::string& line : *lines) text << QString::fromStdString(line);
    RzMemo1->setPlainText(text.join(QLatin1Char('\n')));
    RzMemo1->moveCursor(QTextCursor::Start);
    saveName_ = jx::PairingSaveName(man, woman);
}

void TFrm_SxPeid::RzBitBtn2Click() {
    if (saveName_.empty()) return;
    const QString memoText = RzMemo1->toPlainText();
    if (jx::Trim(memoText.toStdString()).empty()) return;
    const std::optional<QString> chosen = jx::platform().askSaveFileName(
        QStringLiteral("保存"), jx::ToQString(jx::kPairingSaveFilter),
        QString::fromStdString(jx::SaveDialogFileName(saveName_)));
    if (!chosen) return;
    std::vector<std::string> lines;
    for (const QString& line : memoText.split(QLatin1Char('\n')))
        lines.push_back(line.toStdString());
    // A failed write is silent, like every other failure of this window.
    WriteWhole(QString::fromStdString(jx::SavedFileName(chosen->toStdString())),
               jx::SavedFileBytes(lines));
}
