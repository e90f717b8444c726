#pragma once

#include <QDialog>

class QPushButton;

// The start picture with the version text and a "Done" button.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent);

    QPushButton* doneButton() const { return m_done; }

public Q_SLOTS:
    void okClicked() { done(0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QPushButton* m_done;
};
