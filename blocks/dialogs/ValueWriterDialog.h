#pragma once

#include "ValueFileDialog.h"

class ValueWriter;

// Channels are the writer's inputs; the file is chosen for saving.
class ValueWriterDialog : public ValueFileDialog
{
    Q_OBJECT

public:
    ValueWriterDialog(QWidget* view, ValueWriter* block);

protected:
    QString chooseFile() override;
    QString fileName() const override;
    void setFileName(const QString& name) override;

private:
    ValueWriter* block;
};
