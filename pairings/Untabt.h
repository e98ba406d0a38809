#pragma once
// The baby-sex chart: two pages of the traditional chart and a page with a short
// article; the user only switches pages and closes the window.
#include <QDialog>

class QTabWidget;

class TFrm_NanNv : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_NanNv(QWidget* parent = nullptr);

private:
    QTabWidget* RzPageControl1;
};
