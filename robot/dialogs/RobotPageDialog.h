#pragma once

#include "NodeDialog.h"

#include <functional>

// A robot block's dialog: the standard pages, its custom page built by the block's page widget.
class RobotPageDialog : public NodeDialog
{
    Q_OBJECT

public:
    using PageFactory = std::function<QWidget*(QWidget* parent)>;

    RobotPageDialog(QWidget* view, StateNode* block, PageFactory makePage);

    QWidget* createCustomWidget(QWidget* parent) override;
    // The custom page once the dialog has shown it, else null.
    QWidget* page() const { return m_page; }

private:
    PageFactory m_makePage;
    QWidget* m_page = nullptr;
};
