#pragma once

#include "model/FieldTable.h"
#include "ui/core/WindowLayout.h"
#include "ui/widgets/Twips.h"

#include <QColor>
#include <QFont>

#include <array>
#include <span>

class QLabel;
class QPushButton;
class QWidget;

namespace aisset {
class MainCore;
}

namespace aisset::ui {

class ChoiceBox;
class MaskedEdit;
class SvgPicture;

// The widgets of the pages: per field slot a caption label and, by the field's
// kind, an edit field or a choice list; the write buttons, the pictures and the
// ship-size label. They stand where the core's window layout puts them and send their events to the
// core's entry rules and procedures.
// The own-ship page's fields are made with the window; the other pages' fields
// when the layout first shows one of them, so that the start pays only for the
// page it shows.
class PageWidgets {
public:
    // The start page's picture is drawn ahead over pictureBackdrop, the plain
    // colour behind it, when that is opaque (SvgPicture::prepareOn).
    PageWidgets(MainCore &core, QWidget *area, const Twips &twips, QColor pictureBackdrop);

    // The slot's edit field or choice list; null for the kind its field is not,
    // and while the slot's page has not been shown yet.
    MaskedEdit *edit(int slot) const { return edits_.at(std::size_t(slot)); }
    ChoiceBox *choice(int slot) const { return choices_.at(std::size_t(slot)); }
    // The slot's widget of its kind: its edit field or its choice list.
    QWidget *fieldWidget(int slot) const;

    // Puts one element where the layout says (all of them for placeAll).
    void place(WindowLayout::Element element, int index);
    void placeAll();

private:
    void createSlot(int slot);
    void createEdit(int slot);
    void createChoice(int slot);
    void makeLaterFields();
    void createButtons(QWidget *area);
    void createPictures(QWidget *area);
    void bindForm();
    QPushButton *button(Button b) const { return buttons_.at(std::size_t(b)); }
    QWidget *chainFields(QWidget *first, std::span<const int> walk) const;
    void chainOwnShipPage() const;
    void chainLaterFields() const;

    MainCore &core_;
    const Twips &twips_;
    QWidget *area_;
    QFont editFont_;
    bool laterFieldsMade_ = false;
    std::array<QLabel *, kSlotCount> labels_{};
    std::array<MaskedEdit *, kSlotCount> edits_{};
    std::array<ChoiceBox *, kSlotCount> choices_{};
    std::array<QPushButton *, kButtonCount> buttons_{};
    std::array<QWidget *, WindowLayout::kPictureCount> pictures_{};
    QLabel *shipSize_ = nullptr;
    SvgPicture *shipPicture_ = nullptr;
};

} // namespace aisset::ui
