#pragma once
// Pieces the reading windows share: the gradient panel, labelled controls at
// fixed positions, the input box's key filter and its upper-case validator.
#include <QColor>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>
#include <QValidator>
#include <functional>

class QDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace jx::readings {

// The client-filling panel RzPanel1 with its light-blue gradient.
QWidget* MakePanel(QDialog* window);
QGroupBox* MakeGroupBox(QWidget* parent, const char* name, const QString& title, QRect geometry);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  QColor color = QColor());
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                        bool closeIcon);
// Fixed client size, centred on the screen, close box without minimise/maximise.
void SetUpReadingWindow(QDialog* window, const QString& caption, QSize clientSize);

// The input box's key handler: Enter runs the window's reading (guarded, so a
// failure reaches the top-level error display); with digitsOnly every other
// typed character except the digits is discarded. Pasting is not typing:
// shortcut keys and the context menu pass untouched.
class TypedKeyFilter : public QObject {
public:
    TypedKeyFilter(QLineEdit* edit, bool digitsOnly, std::function<void()> onEnter);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool digitsOnly_;
    std::function<void()> onEnter_;
};

// Shows ASCII letters in upper case, as the box's text itself. With a GBK byte
// limit it also cuts the text to the longest start that fits.
class UpperCaseValidator : public QValidator {
public:
    explicit UpperCaseValidator(QObject* parent, int gbkByteLimit = 0);
    State validate(QString& input, int& position) const override;

private:
    int gbkByteLimit_;
};

}  // namespace jx::readings
