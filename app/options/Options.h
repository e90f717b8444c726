#pragma once

#include <QDialog>
#include <QMap>

class OptionsContent;
class OptionsDialog;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class StateBase;

// The options dialog: a tree of pages at the left, the chosen page at the right; Ok
// applies every page.
class Options : public QDialog
{
    Q_OBJECT

public:
    Options(QWidget* parent, StateBase* program);

    QTreeWidget* tree() const { return m_tree; }
    OptionsContent* content() const { return m_content; }
    QTreeWidgetItem* itemByText(const QString& text) const;
    OptionsDialog* pageOf(QTreeWidgetItem* item) const { return m_pages.value(item, nullptr); }

public Q_SLOTS:
    void selectionChanged();
    void okClicked();
    void cancelClicked();
    void helpClicked();

private:
    QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text, OptionsDialog* page);

    StateBase* m_program;
    QSplitter* m_splitter;
    QTreeWidget* m_tree;
    OptionsContent* m_content;
    QMap<QTreeWidgetItem*, OptionsDialog*> m_pages;
};
