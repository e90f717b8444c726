#pragma once

#include <QPixmap>
#include <QWidget>

// The bar above an option page with the page's caption.
class OptionsContentCaption : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsContentCaption(QWidget* parent);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QPixmap m_background;
};
