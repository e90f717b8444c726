#pragma once

#include <QString>

class QPainter;
class XKDImage;

// Something drawn over the image widget's picture, in image coordinates.
class XKDDrawingObject
{
public:
    enum Type { RubberBand = 0, Cross = 1 };

    explicit XKDDrawingObject(int type) : m_type(type) { }
    virtual ~XKDDrawingObject() = default;

    // A new object of the type; null for a type this widget does not draw.
    static XKDDrawingObject* create(int type);

    // Called with the widget's image lock held; the painter's window is the image.
    virtual void paint(QPainter& painter, const XKDImage& image) const = 0;

    int type() const { return m_type; }
    QString name() const { return m_name; }
    void setName(const QString& name) { m_name = name; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

private:
    int m_type;
    QString m_name;
    bool m_visible = true;
};
