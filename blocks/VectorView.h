#pragma once

#include "StateNode.h"
#include "Vector.h"

#include <QMutex>
#include <QPixmap>
#include <QVector>

// Shows 1 to 10 input vectors in its dialog, over an optional background picture
// and under an optional foreground picture named in the workspace file.
class VectorView : public StateNode
{
public:
    static constexpr int minimumInputs = 1;
    static constexpr int maximumInputs = 10;

    VectorView(State* owner, QGraphicsScene* canvas, unsigned short subtype, unsigned id);

    static NodeType nodeType();
    static StateNode* create(State* owner, QGraphicsScene* canvas, const NodeType& type, unsigned id);

    void setParameters(QMap<QString, QString> parameters) override;
    QMap<QString, QString> parameters() const override;
    void readInputs() override;
    int step() override;

    // A copy of the vectors of the last cycle, for drawing.
    QVector<Vector> values() const;
    // The dialog resizes the values after it has changed the input count.
    void resizeValues(int count);
    const QPixmap& backgroundPixmap() const { return background; }
    const QPixmap& foregroundPixmap() const { return foreground; }

private:
    mutable QMutex valuesMutex;
    QVector<Vector> inputVectors;
    QPixmap background;
    QPixmap foreground;
    QString backgroundFile;
    QString foregroundFile;
};
