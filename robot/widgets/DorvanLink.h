#pragma once

#include <QLabel>
#include <QUrl>

// The maker's logo; a click opens the maker's web page.
class DorvanLink : public QLabel
{
    Q_OBJECT

public:
    static const QUrl webPage;

    explicit DorvanLink(QWidget* parent = nullptr);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
