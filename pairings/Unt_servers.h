#pragma once
// The customer-service window: the publisher's four contact channels.
#include <QDialog>

class TFrm_servers : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget* parent = nullptr);
};
