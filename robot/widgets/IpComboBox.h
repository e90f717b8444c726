#pragma once

#include <QComboBox>
#include <QStringList>

// The robot address entry: the address history as its list, the current host name as
// its text; blanks never get into an address, and Return connects.
class IpComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit IpComboBox(QWidget* parent = nullptr);

public Q_SLOTS:
    void hostnameListChanged_Slot(const QStringList& list);
    void textChanged_Slot(const QString& text);
    void activated_Slot(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
