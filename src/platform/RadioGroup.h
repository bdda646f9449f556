#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace platform {

// A captioned box of radio buttons, one per item, one under the other; one item is selected.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList items() const;
    void setItems(const QStringList& items);
    int itemIndex() const;
    void setItemIndex(int index);

signals:
    // The selection moved to another item. Choosing the selected item again says nothing.
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeButtons();

    QButtonGroup* group;
    int wantedIndex = -1; // an item chosen before the items were given
};

} // namespace platform
