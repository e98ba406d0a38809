#pragma once
// The omen window: one fixed page of folk readings by the double-hour, chosen by
// the command that opens it. Any number of them may be open at once.
#include <QDialog>
#include <QString>

class QStackedWidget;

class TFormOnther : public QDialog {
    Q_OBJECT
public:
    explicit TFormOnther(QWidget* parent = nullptr);

    // Shows page 0 to 6; any other index shows no page.
    void selectPage(int index);
    // The page shown, or -1 for none.
    int pageIndex() const;

private:
    QStackedWidget* RzPageControl1;
    QWidget* noPage_;
};

// Opens a further omen window with the title and the page, without blocking the
// caller; the window frees itself when closed.
TFormOnther* ShowOmenPage(const QString& title, int pageIndex, QWidget* parent = nullptr);
