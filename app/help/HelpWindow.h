#pragma once

#include <QWidget>

class QTextBrowser;

// The in-program help: one window, reused, showing the page of a help context id (or the
// contents page for 0 or a missing page) from the shipped HTML pages.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    static HelpWindow* instance();

    void showContext(int contextId, const QString& language);
    // The page file that a context id opens in a language; empty when no pages are found.
    static QString pageFor(int contextId, const QString& language);
    QTextBrowser* browser() const { return m_browser; }

private:
    HelpWindow();

    QTextBrowser* m_browser;
};
