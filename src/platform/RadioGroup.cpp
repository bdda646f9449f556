#include "platform/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace platform {

RadioGroup::RadioGroup(QWidget* parent) : QGroupBox(parent), group(new QButtonGroup(this))
{
    connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        // Tab comes to the selected item; the arrow keys move from there.
        setFocusProxy(group->button(id));
        emit clicked();
    });
}

QStringList RadioGroup::items() const
{
    QStringList texts;
    for (QAbstractButton* button : group->buttons())
        texts << button->text();
    return texts;
}

void RadioGroup::setItems(const QStringList& texts)
{
    for (QAbstractButton* button : group->buttons())
        delete button;
    for (int i = 0; i < texts.size(); ++i) {
        auto* button = new QRadioButton(texts[i], this);
        button->setObjectName(QStringLiteral("%1_item%2").arg(objectName()).arg(i));
        group->addButton(button, i);
    }
    placeButtons();
    if (!texts.isEmpty())
        setFocusProxy(group->button(0));
    setItemIndex(wantedIndex);
}

int RadioGroup::itemIndex() const
{
    return group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    wantedIndex = index;
    if (QAbstractButton* button = group->button(index))
        button->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    placeButtons();
}

// The items share the space under the caption evenly, as on a form designer's radio group.
void RadioGroup::placeButtons()
{
    const QList<QAbstractButton*> buttons = group->buttons();
    if (buttons.isEmpty())
        return;
    const int top = fontMetrics().height() + 2;
    const int rowHeight = (height() - top - 4) / static_cast<int>(buttons.size());
    for (int i = 0; i < buttons.size(); ++i)
        buttons[i]->setGeometry(8, top + i * rowHeight, width() - 16, rowHeight);
}

} // namespace platform
