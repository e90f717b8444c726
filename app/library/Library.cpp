#include "Library.h"

#include "Category.h"
#include "ChartSupport.h"
#include "LibraryPages.h"
#include "NodeType.h"
#include "StateBase.h"
#include "ToolButton.h"

#include <QButtonGroup>
#include <QToolBox>

Library::Library(QWidget* parent) : QDockWidget(tr("Function block library"), parent), m_toolBox(new QToolBox(this))
{
    setObjectName(QStringLiteral("library"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
    setWidget(m_toolBox);
    m_toolBox->setMinimumWidth(190);
    const QList<LibraryPage> pages = libraryPages();
    for (const LibraryPage& page : pages)
        addCategory(tr(page.title));
    for (const LibraryPage& page : pages) {
        for (LibraryPage::DescriptorFunction kind : page.kinds)
            addNodeType(tr(page.title), kind());
    }
    for (const NodeType& element : ChartSupport::current().chartElementTypes())
        addNodeType(tr("Sequence control"), element);
    // Registers the program step's factory; its buttons are the programs' own.
    ChartSupport::current().programStepType();
    m_programs = addCategory(tr("Programs"));
}

Library::~Library() = default;

Category* Library::addCategory(const QString& title)
{
    m_categories.push_back(std::make_unique<Category>(m_toolBox, title, QString()));
    Category* category = m_categories.back().get();
    m_toolBox->insertItem(-1, category->page(), category->icon(), category->title());
    return category;
}

Category* Library::categoryByTitle(const QString& title) const
{
    for (const auto& category : m_categories) {
        if (category->title() == title)
            return category.get();
    }
    return nullptr;
}

void Library::addNodeType(const QString& pageTitle, const NodeType& type)
{
    Category* category = categoryByTitle(pageTitle);
    if (!category)
        return;
    for (unsigned i = 0; i < type.subtypeCount(); ++i)
        category->addButton(type.withSubtype(static_cast<unsigned short>(i)), -1);
}

void Library::addProgram(StateBase* program)
{
    NodeType step = ChartSupport::current().programStepType();
    step.addSubtypeData(program->id());
    const QString caption = program->caption().isEmpty() ? program->displayName() : program->caption();
    step.setSubtypeName(0, caption);
    m_programs->addButton(step, program->id());
}

void Library::removeProgram(int id)
{
    ToolButton* button = m_programs->buttonById(id);
    if (!button)
        return;
    m_programs->buttonGroup()->removeButton(button);
    delete button;
}

void Library::renameProgram(StateBase* program)
{
    ToolButton* button = m_programs->buttonById(program->id());
    if (button)
        button->setText(program->caption().isEmpty() ? program->displayName() : program->caption());
}
