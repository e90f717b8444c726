#pragma once

class QHBoxLayout;
class QSpinBox;
class QString;
class QVBoxLayout;
class QWidget;

// Layout pieces the option pages share.
QSpinBox* sizeBox(QWidget* parent);
QVBoxLayout* formLayout(QWidget* page);
QHBoxLayout* labelledRow(QWidget* page, QVBoxLayout* layout, const QString& text, QWidget* control);
