#pragma once
// Small helpers to drive the reading windows as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace jx::test {

inline QString labelText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
    if (!label) {
        ADD_FAILURE() << "no label " << name;
        return {};
    }
    return label->text();
}

inline QLineEdit& edit(QWidget& window) {
    auto* box = window.findChild<QLineEdit*>(QStringLiteral("edtmun"));
    if (!box) throw std::runtime_error("no edtmun");
    return *box;
}

inline void click(QWidget& window, const char* name) {
    auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

inline void pressEnter(QWidget& window) { QTest::keyClick(&edit(window), Qt::Key_Return); }

// Pastes through the clipboard with Ctrl+V, as a user would.
inline void paste(QWidget& window, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&edit(window), Qt::Key_V, Qt::ControlModifier);
}

// Text committed by an input method (how Chinese characters are typed).
inline void commitFromInputMethod(QWidget& window, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&edit(window), &event);
}

inline void replaceText(QWidget& window, const QString& text) {
    edit(window).selectAll();
    QTest::keyClick(&edit(window), Qt::Key_Backspace);
    paste(window, text);
}

}  // namespace jx::test

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace jx::test {

// A key press typing a character QTest cannot name (a Chinese character).
inline void typeCharacter(QWidget& window, const QString& character) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(&edit(window), &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(&edit(window), &release);
}

}  // namespace jx::test
