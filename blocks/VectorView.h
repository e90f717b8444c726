#pragma once

#include "StateNode.h"
#include "Vector.h"

#include <QPixmap>
#include <QVector>

#include <mutex>
#include <optional>

// Shows 1 to 10 input vectors in its dialog, over an optional background picture
// and under an optional foreground picture named in the workspace file.
class VectorView : public StateNode
{
public:
    static constexpr int minimumInputs = 1;
    static constexpr int maximumInputs = 10;

    VectorView(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    NodeDialog* createDialog(QWidget* parent) override;

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void readInputs() override;
    int step() override;

    // A copy of the vectors of the last cycle, for drawing.
    QVector<Vector> values() const;
    // The dialog resizes the values after it has changed the input count.
    void resizeValues(int count);
    // GUI thread: the pictures, loaded on first use.
    const QPixmap& backgroundPixmap() const;
    const QPixmap& foregroundPixmap() const;

private:
    mutable std::mutex m_valuesMutex;
    QVector<Vector> m_inputVectors;
    mutable std::optional<QPixmap> m_background;
    mutable std::optional<QPixmap> m_foreground;
    QString m_backgroundFile;
    QString m_foregroundFile;
};
