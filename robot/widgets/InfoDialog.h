#pragma once

#include <QDialog>

class QLabel;

// Shows what the robot reports about its software, as the link holds it when the
// dialog is built.
class InfoDialog : public QDialog
{
    Q_OBJECT

public:
    static const char* const notAvailableText;

    explicit InfoDialog(QWidget* parent = nullptr);
    QString text() const;

private:
    QLabel* label;
};
