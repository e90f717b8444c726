#pragma once

#include "DialogHost.h"

#include <QList>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <chrono>

class Clock;
class QComboBox;
class QPainter;
class QTimer;
class StateNode;

// Base of every block dialog: a child widget floating in its program's dialog area,
// with its own title band, close box and resize grip, placed and sized on the area's
// 20-pixel grid. Up to three pages, chosen by numbered buttons on the left edge: the
// block's custom page (kind 0), input scaling (1) and settings (2).
class NodeDialog : public QWidget
{
    Q_OBJECT

public:
    enum PageKind { CustomPage = 0, ScalePage = 1, SettingsPage = 2, NoPage = 3 };
    enum DragMode { NotDragging = 0, Moving = 1, Resizing = 2 };

    static constexpr int gridSize = dialogGridSize;
    static constexpr int titleHeight = 17;
    // Room for the page buttons on the left and the title band on top.
    static constexpr QPoint pageOrigin {16, 21};
    static constexpr std::chrono::milliseconds attentionInterval {300};

    // An empty page list means all three pages.
    NodeDialog(QWidget* view, StateNode* node, QList<int> pages = {});
    ~NodeDialog() override;

    virtual QWidget* createCustomWidget(QWidget* parent);

    void setNodeModified();
    int setSlotCount(int side, int n);
    void resizeForPage(int w, int h);
    void showAttention();
    void showPage(int kind);
    // The block is going away: the dialog goes at once, without telling the block.
    void closeForBlockDeletion();

    StateNode* node() const { return m_node; }
    bool isClosing() const { return m_closing; }
    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_pageCount; }
    int pageKindAt(int index) const { return m_pageKinds.value(index, NoPage); }
    QWidget* pageWidget(int kind) const { return m_pageWidgets.value(kind, nullptr); }
    QComboBox* subTypeSelector() const { return m_subTypeSelector; }
    QRect pageButtonRect(int index) const { return m_pageButtonRects.value(index); }
    QRect titleRect() const { return m_title; }
    QRect gripRect() const { return m_grip; }
    QRect closeBoxRect() const { return m_closeBox; }
    int dragMode() const { return m_dragMode; }
    bool isFlashing() const { return m_flash; }
    bool isAttentionRunning() const;

    // Time source of the attention blink; null restores the system clock. For tests.
    static void setAttentionClock(Clock* clock);

Q_SIGNALS:
    void subTypeChanged(int subtype);
    void updateCustomWidget(int id);

public Q_SLOTS:
    void nodeNameChanged_Slot();
    void mouseEnter_Slot();

protected:
    // The custom page's contents changed: the page and the dialog take their size.
    void fitCustomPage();

    void customEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void subTypeSelected_Slot(int index);
    void attentionTimerTimeout();

private:
    void setUpPage(int kind, int index);
    void buildCustomPage();
    void updateLayoutRects();
    void drawPageButton(QPainter& painter, const QRect& rect, bool current, int number) const;
    void rebuildScalePage();
    void dragTo(const QPoint& mouse);
    void leaveHost();
    DialogHost* host() const;

    bool m_closing = false;
    StateNode* m_node;
    QWidget* m_view;
    QComboBox* m_subTypeSelector = nullptr;
    QList<QRect> m_pageButtonRects;
    QMap<int, QWidget*> m_pageWidgets;
    QMap<int, int> m_pageKinds;
    int m_currentPage = NoPage;
    int m_pageCount = 0;
    QPoint m_pressPosition;
    QRect m_grip;
    QRect m_title;
    QRect m_closeBox;
    bool m_firstLayout = true;
    int m_dragMode = NotDragging;
    bool m_dragged = false;
    bool m_flash = false;
    QTimer* m_attentionTimer;
    int m_attentionTicks = 0;
    std::chrono::nanoseconds m_attentionStart {0};
};
