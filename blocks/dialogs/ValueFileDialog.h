#pragma once

#include "NodeDialog.h"

class QLineEdit;
class QSpinBox;
class QToolButton;

// The page of the value-file blocks: the number of channels and the file name, with a
// button that lets the user choose the file.
class ValueFileDialog : public NodeDialog
{
    Q_OBJECT

public:
    static constexpr int minimumChannels = 1;
    static constexpr int maximumChannels = 20;

    QWidget* createCustomWidget(QWidget* parent) override;

    QSpinBox* spinBox() const { return channelBox; }
    QLineEdit* lineEdit() const { return fileEdit; }
    QToolButton* browseButton() const { return browse; }

public Q_SLOTS:
    void valueChanged(int n);
    void on_browseButton_clicked();
    void on_lineEdit_textChanged(const QString& text);

protected:
    ValueFileDialog(QWidget* view, StateNode* block, int channelSide);

    // The user's choice of file, empty when cancelled.
    virtual QString chooseFile() = 0;
    virtual QString fileName() const = 0;
    virtual void setFileName(const QString& name) = 0;

private:
    int channelSide;
    QSpinBox* channelBox = nullptr;
    QLineEdit* fileEdit = nullptr;
    QToolButton* browse = nullptr;
};
