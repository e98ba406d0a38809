#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>
#include <QUrl>

#include "common/Errors.h"

namespace jx {

namespace {

QWidget* activeOwner() { return QApplication::activeWindow(); }

}  // namespace

void QtPlatform::showInfo(const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok,
                    activeOwner());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtPlatform::askYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    activeOwner());
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showError(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok, activeOwner());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void QtPlatform::openUrl(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

void QtPlatform::runModal(QDialog& window) {
    window.setWindowModality(Qt::ApplicationModal);
    window.exec();
}

void QtPlatform::printText(const QString& text) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) throw PrintError("没有可用的默认打印机，无法打印");
    QPrinter printer(info, QPrinter::HighResolution);
    // 12.7 mm margins; the 6.35 mm header and footer bands stay empty.
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(12.7, 12.7 + 6.35, 12.7, 12.7 + 6.35),
                                      QPageLayout::Millimeter));
    if (!printer.isValid()) throw PrintError("打印机不可用，无法打印");
    QTextDocument document;
    document.setPlainText(text);
    document.print(&printer);
}

std::chrono::year_month_day QtPlatform::today() {
    const QDate d = QDate::currentDate();
    return std::chrono::year_month_day{std::chrono::year{d.year()},
                                       std::chrono::month{static_cast<unsigned>(d.month())},
                                       std::chrono::day{static_cast<unsigned>(d.day())}};
}

// Linux has no system-wide regional settings that a program may rewrite, and the
// date check parses by its own fixed rule, so these do nothing.
std::optional<std::string> QtPlatform::readLocaleInfo(LocaleItem) { return std::nullopt; }

void QtPlatform::writeLocaleInfo(LocaleItem, const std::string&) {}

void QtPlatform::beep() { QApplication::beep(); }

std::optional<QString> QtPlatform::askSaveFileName(const QString& title, const QString& filter,
                                                   const QString& suggestedName) {
    // "文本文件|*.txt" style filters become Qt's "文本文件 (*.txt)".
    QString qtFilter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (!qtFilter.isEmpty()) qtFilter += QStringLiteral(";;");
        qtFilter += parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    }
    const QString name =
        QFileDialog::getSaveFileName(activeOwner(), title, suggestedName, qtFilter);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

}  // namespace jx
