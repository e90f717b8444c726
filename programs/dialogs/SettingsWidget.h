#pragma once

#include <QWidget>

class NodeDialog;
class Node;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The settings page of a block dialog: the block's name (renamed on Apply) and its
// active switch (at once).
class SettingsWidget : public QWidget
{
    Q_OBJECT

public:
    SettingsWidget(NodeDialog* dialog, Node* node);

    QLineEdit* nameEdit() const { return m_nameEdit; }
    QPushButton* applyButton() const { return m_applyButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QCheckBox* activeBox() const { return m_activeBox; }

Q_SIGNALS:
    void nodeNameChanged();
    void mouseEnter();

public Q_SLOTS:
    void applyClicked();
    void cancelClicked();
    void on_activate_toggled(bool on);

protected:
    void enterEvent(QEnterEvent* event) override;

private:
    QString nodeName() const;

    Node* m_node;
    QLineEdit* m_nameEdit;
    QPushButton* m_applyButton;
    QPushButton* m_cancelButton;
    QCheckBox* m_activeBox;
};
