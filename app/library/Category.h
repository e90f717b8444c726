#pragma once

#include <QIcon>
#include <QObject>
#include <QString>

class NodeType;
class QButtonGroup;
class QVBoxLayout;
class QWidget;
class ToolButton;

// One page of the block library: a white column of buttons, one per block variant.
class Category : public QObject
{
    Q_OBJECT

public:
    Category(QWidget* parent, const QString& title, const QString& iconName);

    QWidget* page() const { return m_page; }
    const QString& title() const { return m_title; }
    const QIcon& icon() const { return m_icon; }
    QButtonGroup* buttonGroup() const { return m_group; }

    // Appends a button for the descriptor's current variant; id -1 lets the group choose.
    ToolButton* addButton(const NodeType& type, int id);
    ToolButton* buttonById(int id) const;
    int buttonCount() const;

private:
    QWidget* m_page;
    QVBoxLayout* m_layout;
    QButtonGroup* m_group;
    QIcon m_icon;
    QString m_title;
};
