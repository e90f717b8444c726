#include "MapBuilderPage.h"

#include "KDMapBuilderView.h"
#include "MapBuilder.h"

#include <QSpinBox>
#include <QVBoxLayout>

MapBuilderPage::MapBuilderPage(MapBuilder& block, QWidget* parent) : QWidget(parent), block(block)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    zoom = new QSpinBox(this);
    zoom->setRange(static_cast<int>(MapBuilder::minimumZoom), static_cast<int>(MapBuilder::maximumZoom));
    zoom->setSingleStep(10);
    zoom->setValue(static_cast<int>(block.zoom()));
    layout->addWidget(zoom);
    mapView = new KDMapBuilderView(this, &block.model());
    mapView->setMinimumSize(100, 100);
    mapView->setBackground(block.background(), block.backgroundOffsetX(), block.backgroundOffsetY());
    mapView->setZoom(block.zoom());
    layout->addWidget(mapView, 1);
    connect(zoom, &QSpinBox::valueChanged, this, &MapBuilderPage::on_zoom_valueChanged);
    block.setViewReader([this](int& x, int& y, double& percent) {
        x = mapView->contentsX();
        y = mapView->contentsY();
        percent = mapView->zoom();
    });
}

MapBuilderPage::~MapBuilderPage()
{
    block.setView(mapView->contentsX(), mapView->contentsY(), mapView->zoom());
    block.setViewReader(nullptr);
}

void MapBuilderPage::on_zoom_valueChanged(int value)
{
    mapView->setZoom(MapBuilder::clampedZoom(value));
}

void MapBuilderPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (scrolled)
        return;
    scrolled = true;
    mapView->setContentsPos(block.contentsX(), block.contentsY());
}
