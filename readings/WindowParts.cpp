#include "readings/WindowParts.h"

#include <QDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "common/Gbk.h"
#include "platform/Controls.h"
#include "platform/ErrorDisplay.h"
#include "platform/Fonts.h"

namespace jx::readings {

QWidget* MakePanel(QDialog* window) {
    auto* panel = new QWidget(window);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setAttribute(Qt::WA_StyledBackground, true);
    panel->setStyleSheet(
        QStringLiteral("#RzPanel1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                       " stop:0 #EAF3FF, stop:1 #B7D3F2); }"));
    panel->setGeometry(0, 0, window->width(), window->height());
    return panel;
}

QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  QColor color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                        bool closeIcon) {
    QPushButton* button = PlaceButton(parent, name, text, geometry);
    button->setIcon(button->style()->standardIcon(closeIcon ? QStyle::SP_DialogCloseButton
                                                            : QStyle::SP_DialogApplyButton));
    // Enter belongs to the input box; no button may take it as the default.
    button->setAutoDefault(false);
    return button;
}

void SetUpReadingWindow(QDialog* window, const QString& caption, QSize clientSize) {
    window->setWindowTitle(caption);
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window->setFont(WindowFont(QStringLiteral("宋体"), 12));
    window->setFixedSize(clientSize);
    // Closing frees the window; the opener holds it in a QPointer.
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), clientSize);
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

TypedKeyFilter::TypedKeyFilter(QLineEdit* edit, bool digitsOnly, std::function<void()> onEnter)
    : QObject(edit), digitsOnly_(digitsOnly), onEnter_(std::move(onEnter)) {
    edit->installEventFilter(this);
}

namespace {
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
}  // namespace

bool TypedKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            RunGuarded(onEnter_);
            return true;
        }
        if (!digitsOnly_) return false;
        // Shortcuts such as Ctrl+V are commands, not typed characters.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        // Control characters (backspace, Ctrl+V and the other shortcuts) pass;
        // a printable character passes only when it is a digit.
        const QString text = key->text();
        if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7F)
            return false;
        for (const QChar c : text)
            if (!isDigit(c)) return true;
        return false;
    }
    if (digitsOnly_ && event->type() == QEvent::InputMethod) {
        // Characters committed by an input method are typed too: keep the digits.
        auto* input = static_cast<QInputMethodEvent*>(event);
        QString digits;
        for (const QChar c : input->commitString())
            if (isDigit(c)) digits += c;
        if (digits != input->commitString()) {
            QInputMethodEvent filtered(input->preeditString(), input->attributes());
            filtered.setCommitString(digits, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(watched, &filtered);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

UpperCaseValidator::UpperCaseValidator(QObject* parent, int gbkByteLimit)
    : QValidator(parent), gbkByteLimit_(gbkByteLimit) {}

QValidator::State UpperCaseValidator::validate(QString& input, int& position) const {
    for (QChar& c : input)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = c.toUpper();
    if (gbkByteLimit_ > 0) {
        const auto fits = [this](const QString& text) {
            return ToGbk(text.toStdString()).size() <= static_cast<std::size_t>(gbkByteLimit_);
        };
        position = std::clamp(position, 0, static_cast<int>(input.size()));
        // What was just typed or pasted ends at the cursor: cut it from there,
        // as a box with a byte limit keeps the start of a paste that is too long.
        while (!fits(input)) {
            qsizetype at = position > 0 ? position : input.size();
            if (at == 0) break;
            const qsizetype width = at >= 2 && input[at - 1].isLowSurrogate() ? 2 : 1;
            input.remove(at - width, width);
            if (position > 0) position -= static_cast<int>(width);
        }
    }
    return Acceptable;
}

}  // namespace jx::readings
