#include "almanac/huangdao.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "almanac/DateLists.h"
#include "almanac/DayReport.h"
#include "app/DateSelection.h"
#include "common/ConnectionStrings.h"
#include "common/ShowInfo.h"
#include "common/Text.h"
#include "platform/Controls.h"
#include "platform/ErrorDisplay.h"
#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/QtText.h"
#include "platform/WindowPlacement.h"

namespace jx {

TFormHuangdao* FormHuangdao = nullptr;

TFormHuangdao::TFormHuangdao(QWidget* parent, std::string connectionString) : QDialog(parent) {
    setObjectName(QStringLiteral("FormHuangdao"));
    setWindowTitle(QStringLiteral("黄道吉日"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(WindowFont(QStringLiteral("宋体"), 12));
    resize(600, 464);
    CentreOnScreen(*this);

    // Fixed positions: the controls keep their places when the frame is resized.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, 600, 464);
    // A light gradient, painted through the palette: a style sheet here would
    // stop the window font from reaching the controls.
    QLinearGradient light(0, 0, 0, 464);
    light.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    light.setColorAt(1, QColor(0xE8, 0xEE, 0xF7));
    QPalette shade = panel->palette();
    shade.setBrush(QPalette::Window, light);
    panel->setPalette(shade);
    panel->setAutoFillBackground(true);

    auto* top = new QGroupBox(panel);
    top->setObjectName(QStringLiteral("RzGroupBox2"));
    top->setGeometry(4, 2, 592, 61);
    PlaceLabel(top, "RzLabel1", QStringLiteral("选择黄历："), 8, 12);
    const DateLists lists = CreateDateLists(top);
    SYear = lists.year;
    SMonth = lists.month;
    Sday = lists.day;
    SYear->setGeometry(70, 8, 54, 20);
    PlaceLabel(top, "Label15", QStringLiteral("年"), 126, 12);
    SMonth->setGeometry(142, 8, 42, 20);
    PlaceLabel(top, "Label16", QStringLiteral("月"), 186, 12);
    Sday->setGeometry(202, 8, 41, 20);
    PlaceLabel(top, "Label17", QStringLiteral("日"), 245, 12);
    RzCheckBox1 = new QCheckBox(QStringLiteral("包括吉时"), top);
    RzCheckBox1->setObjectName(QStringLiteral("RzCheckBox1"));
    RzCheckBox1->setGeometry(268, 8, 80, 20);
    RzCheckBox1->setChecked(true);
    RzBitBtn1 = PlaceButton(top, "RzBitBtn1", QStringLiteral("测算"), {356, 6, 72, 24});
    RzBitBtn3 = PlaceButton(top, "RzBitBtn3", QStringLiteral("打印"), {434, 6, 72, 24});
    RzBitBtn2 = PlaceButton(top, "RzBitBtn2", QStringLiteral("关闭"), {512, 6, 72, 24});
    RzBitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    QLabel* overviewCaption = PlaceLabel(top, "RzLabel3", QStringLiteral("当日统览："), 8, 38);
    overviewCaption->setFont(WindowFont(QStringLiteral("宋体"), 12, true));
    overviewCaption->adjustSize();
    Label1 = new QLabel(top);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(72, 36, 377, 18);
    Label1->setFont(WindowFont(QStringLiteral("宋体"), 12, true));
    Label1->setStyleSheet(QStringLiteral("color: #FF0000;"));

    auto* result = new QGroupBox(QStringLiteral("测算结果："), panel);
    result->setObjectName(QStringLiteral("RzGroupBox1"));
    result->setGeometry(4, 65, 592, 242);
    Memo1 = new QPlainTextEdit(result);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(6, 18, 580, 218);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* glossary = new QGroupBox(QStringLiteral("黄历名词解释："), panel);
    glossary->setObjectName(QStringLiteral("RzGroupBox3"));
    glossary->setGeometry(4, 308, 592, 154);
    Memo2 = new QPlainTextEdit(glossary);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(6, 18, 580, 130);
    Memo2->setReadOnly(true);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QStringList glossaryLines;
    for (std::string_view line : kGlossaryLines) glossaryLines << ToQString(line);
    Memo2->setPlainText(glossaryLines.join(QLatin1Char('\n')));

    connect(RzBitBtn1, &QPushButton::clicked, this, Guarded([this] { RzBitBtn1Click(); }));
    connect(RzBitBtn3, &QPushButton::clicked, this, Guarded([this] { RzBitBtn3Click(); }));
    connect(RzBitBtn2, &QPushButton::clicked, this, Guarded([this] { RzBitBtn2Click(); }));

    // FormCreate: point the query at the almanac file; nothing is opened yet.
    ADOQuery1.setConnectionString(connectionString.empty() ? SanBirthConnectionString()
                                                           : std::move(connectionString));
    FormHuangdao = this;
}

TFormHuangdao::~TFormHuangdao() {
    if (FormHuangdao == this) FormHuangdao = nullptr;
}

void TFormHuangdao::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    RunGuarded([this] { FormShow(); });
}

void TFormHuangdao::FormShow() {
    FillEmptyWithToday({SYear, SMonth, Sday});
    RzBitBtn1Click();
}

void TFormHuangdao::RzBitBtn1Click() {
    const DateCheck check =
        CheckDateSelection(SYear->currentText().toStdString(), SMonth->currentText().toStdString(),
                           Sday->currentText().toStdString());
    if (!check.selection) {
        ShowInfo(check.message);
        return;
    }
    const std::string& dateText = check.selection->dateText;
    ADOQuery1.close();
    ADOQuery1.setStatement(DayQueryText(dateText));
    ADOQuery1.open();
    if (ADOQuery1.isEmpty()) return;

    Label1->setText(ToQString(dateText + "  " + Trim(ADOQuery1.field("nn"))));
    // Lines are added as their fields are read, so a missing column leaves the
    // lines before it on screen.
    Memo1->clear();
    for (std::size_t i = 0; i < kDayReportLines.size(); ++i) {
        if (i > 0) Memo1->appendPlainText(QString());
        const DayReportLine& line = kDayReportLines[i];
        Memo1->appendPlainText(
            ToQString(std::string(line.label) + Trim(ADOQuery1.field(std::string(line.column)))));
    }
    if (RzCheckBox1->isChecked()) {
        try {
            Memo1->appendPlainText(QString());
            Memo1->appendPlainText(ToQString(kHoursHeading));
            Memo1->appendPlainText(ToQString(Trim(ADOQuery1.field("jishi"))));
        } catch (const std::exception&) {
            // A row without hours still shows everything else.
        }
    }
    Memo1->moveCursor(QTextCursor::Start);
}

void TFormHuangdao::RzBitBtn3Click() {
    const QString text = Memo1->toPlainText();
    if (Trim(text.toStdString()).empty()) return;
    platform().printText(text);
}

void TFormHuangdao::RzBitBtn2Click() { close(); }

void TFormHuangdao::closeEvent(QCloseEvent* event) {
    FormHuangdao = nullptr;
    event->accept();
}

TFormHuangdao* OpenDayView(const std::string& year, const std::string& month,
                           const std::string& day, QWidget* parent,
                           const std::string& connectionString) {
    auto* view = new TFormHuangdao(parent, connectionString);
    view->SYear->setEditText(QString::fromStdString(year));
    view->SMonth->setEditText(QString::fromStdString(month));
    view->Sday->setEditText(QString::fromStdString(day));
    view->show();
    return view;
}

}  // namespace jx
