#pragma once

#include <QList>
#include <QTableWidget>

class Node;
class QTimer;
class State;

// The constants table of a program: one row per constant block, newest first, with the
// block's name and value, both edited in place; the value reaches the block at once.
class ConstView : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int headerHeight = 20;
    static constexpr int attentionInterval = 300;
    // The help id of the constant block.
    static constexpr int constHelpContext = 100060;

    ConstView(QWidget* parent, ::State* program);

    void addConst(Node* block);
    void updateConst(Node* block);
    void removeConst(Node* block);
    // Flashes the block's row twice.
    void showConst(Node* block);

    const QList<Node*>& consts() const { return m_consts; }
    QTimer* attentionTimer() const { return m_attentionTimer; }
    int attentionTicks() const { return m_attentionTicks; }

protected:
    void enterEvent(QEnterEvent* event) override;

private Q_SLOTS:
    void valueChanged_Slot(int row, int column);
    void clicked_Slot(int row, int column);
    void doubleClicked_Slot(int row, int column);
    void attentionTimerTimeout();

private:
    void fillRow(int row, Node* block);

    QList<Node*> m_consts;
    QTimer* m_attentionTimer;
    int m_attentionTicks = 0;
    int m_attentionRow = 0;
    ::State* m_program;
};
