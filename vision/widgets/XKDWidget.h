#pragma once

#include <QRect>
#include <QVector>
#include <QWidget>
#include <mutex>

#include <cstdint>
#include <vector>

class XKDDrawingObject;
class XKDImage;

// The image dialogs' picture: one pool image (blue, green, red bytes) or its segmentation,
// scaled to fit with its aspect kept, with drawing objects on top.
class XKDWidget : public QWidget
{
    Q_OBJECT

public:
    enum RenderMode { ImageMode = 0, AllRegionsMode = 1, SelectedRegionMode = 2 };

    explicit XKDWidget(QWidget* parent = nullptr);
    ~XKDWidget() override;

    // Null is ignored; the image stays owned by the dialog's helper.
    void setImage(XKDImage* image);
    // The dialog gives its images back: nothing is shown any more.
    void clearImage();
    void setRenderMode(int mode) { renderMode = mode; }
    int mode() const { return renderMode; }
    // index -1 creates an object of the type and writes its index; otherwise the object there.
    XKDDrawingObject* drawingObject(int type, int& index);
    XKDDrawingObject* objectOfType(int type) const;
    void setObjectVisible(int index, bool visible);
    void deleteObject(XKDDrawingObject* object);

    QRect imageRect() const;
    float scale() const;
    // Widget point to image point; for points inside imageRect().
    QPoint toImage(const QPoint& point) const;
    // The rectangle an image of iw x ih takes in a widget of the size, and its scale.
    static QRect fitImage(const QSize& size, int iw, int ih, float& scale);

Q_SIGNALS:
    void imageSizeChanged(int percent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitLocked();
    int percentLocked() const;
    const std::uint8_t* pixelsToShowLocked();

    mutable std::mutex imageMutex;
    XKDImage* image = nullptr;
    std::vector<std::uint8_t> displayBuffer;
    QRect m_imageRect {0, 0, -1, -1};
    float m_scale = 0.0f;
    int renderMode = ImageMode;
    mutable std::mutex objectsMutex;
    QVector<XKDDrawingObject*> objects;
    QPoint pressPoint;
    bool spanning = false;
};
