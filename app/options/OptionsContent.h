#pragma once

#include <QWidget>

class OptionsContentCaption;
class OptionsDialog;
class QHBoxLayout;
class QLabel;
class QSpacerItem;

// The right side of the options dialog: the caption bar over the chosen page, or the
// hint to choose one.
class OptionsContent : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsContent(QWidget* parent);

    void showPage(OptionsDialog* page);
    void showPlaceholder();
    OptionsDialog* currentPage() const { return m_page; }
    OptionsContentCaption* captionBar() const { return m_caption; }
    QLabel* placeholder() const { return m_label; }

private:
    OptionsContentCaption* m_caption;
    QHBoxLayout* m_layout;
    QLabel* m_label;
    OptionsDialog* m_page = nullptr;
};
