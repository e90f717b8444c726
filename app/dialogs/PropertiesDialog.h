#pragma once

#include <QDialog>

class QPlainTextEdit;

// Edits the free-text description of a program. Results: 1 Ok, 0 Cancel.
class PropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    PropertiesDialog(QWidget* parent, const QString& caption, const QString& text);

    QString text() const;
    QPlainTextEdit* editor() const { return m_editor; }

public Q_SLOTS:
    void ok_clicked() { done(1); }
    void cancel_clicked() { done(0); }

private:
    QPlainTextEdit* m_editor;
};
