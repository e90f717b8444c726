#pragma once

#include "ValueFileDialog.h"

class ValueReader;

// Channels are the reader's outputs; the file is chosen for opening.
class ValueReaderDialog : public ValueFileDialog
{
    Q_OBJECT

public:
    ValueReaderDialog(QWidget* view, ValueReader* block);

protected:
    QString chooseFile() override;
    QString fileName() const override;
    void setFileName(const QString& name) override;

private:
    ValueReader* block;
};
