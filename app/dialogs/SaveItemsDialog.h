#pragma once

#include <QDialog>
#include <QList>
#include <QMap>

class QPushButton;
class QTableWidget;
class StateBase;

// Asks which of the listed documents to save; a chart lists below it the programs it
// needs saved. Results: 0 Yes, 1 No, 2 Cancel (also Escape and the close button).
class SaveItemsDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { Yes = 0, No = 1, Cancel = 2 };

    SaveItemsDialog(QWidget* parent, QList<StateBase*> documents, bool showNo);

    void setReadOnly(bool on);
    QList<StateBase*> checkedItems() const;
    QTableWidget* table() const { return m_table; }
    void setChecked(int row, bool on);

public Q_SLOTS:
    void yesClicked();
    void noClicked();
    void cancelClicked();
    void reject() override;

private:
    void addRow(StateBase* document, const QString& indent);

    QTableWidget* m_table;
    QPushButton* m_yes;
    QPushButton* m_no = nullptr;
    QPushButton* m_cancel;
    QMap<StateBase*, int> m_rowOf;
    QMap<int, StateBase*> m_documentOf;
};
