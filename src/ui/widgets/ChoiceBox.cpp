#include "ui/widgets/ChoiceBox.h"

#include "model/Form.h"
#include "ui/text/Catalogue.h"
#include "ui/widgets/KeyCodes.h"

namespace aisset::ui {

ChoiceBox::ChoiceBox(Form &form, int slot, QWidget *parent) : QComboBox(parent), form_(form), slot_(slot)
{
    setObjectName(QStringLiteral("Combo1_%1").arg(slot));
    connect(&form_, &Form::choiceChanged, this, [this](int s) {
        if (s == slot_)
            showChoice();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_)
            (void)form_.selectChoice(slot_, index);
    });
    showChoice();
}

void ChoiceBox::showChoice()
{
    const ChoiceList &list = form_.choice(slot_);
    showing_ = true;
    QStringList shown;
    for (int i = 0; i < count(); ++i)
        shown.append(itemText(i));
    QStringList entries;
    for (const QString &entry : list.entries())
        entries.append(catalogue::choiceEntry(entry));
    if (shown != entries) {
        clear();
        addItems(entries);
    }
    setCurrentIndex(list.position());
    showing_ = false;
}

void ChoiceBox::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(slot_, ruleKeyCode(event));
    QComboBox::keyPressEvent(event);
}

void ChoiceBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Entering a list chooses nothing: only a key or the open list does, so a
    // list the installer passed by stays unchosen and the write refuses it.
    (void)entersField(event); // takes up an entry the core expected
}

} // namespace aisset::ui
