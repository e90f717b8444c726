#pragma once

#include <QWidget>

class KDMapBuilderView;
class MapBuilder;
class QSpinBox;

// The position view dialog's custom page: the zoom and the map. While it is open the
// block saves the map's scroll position and zoom from it; closing keeps them in the block.
class MapBuilderPage : public QWidget
{
    Q_OBJECT

public:
    explicit MapBuilderPage(MapBuilder& block, QWidget* parent = nullptr);
    ~MapBuilderPage() override;

    KDMapBuilderView* view() const { return mapView; }
    QSpinBox* zoomBox() const { return zoom; }

public Q_SLOTS:
    void on_zoom_valueChanged(int value);

protected:
    void showEvent(QShowEvent* event) override;

private:
    MapBuilder& block;
    QSpinBox* zoom;
    KDMapBuilderView* mapView;
    bool scrolled = false;
};
