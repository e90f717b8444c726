#pragma once

#include <QDialog>
#include <QList>

class QTableWidget;
class StateBase;

// Lists the running charts that would collide with a start: stop them and start? Results:
// 0 Yes, 1 No, 2 Cancel (also Escape and the close button).
class ResolveCollisionsDialog : public QDialog
{
    Q_OBJECT

public:
    enum Result { Yes = 0, No = 1, Cancel = 2 };

    ResolveCollisionsDialog(QWidget* parent, QList<StateBase*> charts);

    QTableWidget* table() const { return m_table; }

public Q_SLOTS:
    void yesClicked() { done(Yes); }
    void noClicked() { done(No); }
    void cancelClicked() { done(Cancel); }
    void reject() override { done(Cancel); }

private:
    QTableWidget* m_table;
};
