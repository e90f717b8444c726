#pragma once

#include <QDockWidget>
#include <QList>

#include <memory>
#include <vector>

class Category;
class NodeType;
class QToolBox;
class StateBase;

// The block library dock: one tool-box page per category, one button per block variant,
// and a last page "Programs" with a button per open function-block program. Building it
// calls every block kind's descriptor function, which fills the block-type registry.
class Library : public QDockWidget
{
    Q_OBJECT

public:
    explicit Library(QWidget* parent);
    ~Library() override;

    void addProgram(StateBase* program);
    void removeProgram(int id);
    void renameProgram(StateBase* program);

    QToolBox* toolBox() const { return m_toolBox; }
    int categoryCount() const { return static_cast<int>(m_categories.size()); }
    Category* category(int index) const { return m_categories.at(index).get(); }
    Category* programs() const { return m_programs; }

    // Adds one button per variant of the kind to the page of that title (its page when
    // the robot and vision block kinds are joined in).
    void addNodeType(const QString& pageTitle, const NodeType& type);

private:
    Category* addCategory(const QString& title);
    Category* categoryByTitle(const QString& title) const;

    QToolBox* m_toolBox;
    std::vector<std::unique_ptr<Category>> m_categories;
    Category* m_programs = nullptr;
};
