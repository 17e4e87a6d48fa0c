#include "ui/widgets/PageWidgets.h"

#include "model/TextMark.h"
#include "ui/core/MainCore.h"
#include "ui/text/Catalogue.h"
#include "ui/text/Language.h"
#include "ui/widgets/AccessibleNames.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui/widgets/ContentWidth.h"
#include "ui/widgets/KeyboardShortcuts.h"
#include "ui/widgets/MaskedEdit.h"
#include "ui/widgets/SvgPicture.h"
#include "ui/widgets/TabStops.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace aisset::ui {

namespace {

const char16_t *const kButtonCaptions[kButtonCount] = {
    AISSET_TEXT("Button", "本船资料写入"), AISSET_TEXT("Button", "系统资料写入"), AISSET_TEXT("Button", "出厂资料写入"),
    AISSET_TEXT("Button", "读取设备资料")};

// Large enough to read the prompts and digits well, small enough that the
// prompt "_" is not cut off at the bottom of a field of the design height
// (14 and 13 pixels at 96 dpi; points scale with the screen like the twips).
constexpr double kEditFontPoints = 10.5;
constexpr double kShipNameFontPoints = 9.75; // the longest field, a size smaller

// The Enter walks of the two pages, as the Tab key's order too.
constexpr int kOwnShipOrder[] = {5, 7, 2, 6, 3, 4, 0, 8, 9, 10, 11, 12};
constexpr int kSystemOrder[] = {13, 14, 15, 16, 17, 18, 26, 19, 20, 21, 22, 27, 28, 29, 30, 31, 32, 33, 34};
// The factory page's fields in the Tab order: the vendor number before the
// own-ship walk, the rest after the system page's write button.
constexpr int kFactoryFirst = slot::vendorNumber;
constexpr int kFactoryRest[] = {23, 24, 25};

// The start makes the fields of the page it shows.
bool madeAtStart(int slot) { return std::ranges::find(kOwnShipOrder, slot) != std::end(kOwnShipOrder); }

SvgPicture *svgPicture(const QString &resource, const QString &name, QWidget *parent)
{
    auto *picture = new SvgPicture(pictureInLanguage(resource), parent);
    picture->setObjectName(name);
    return picture;
}

void placeWidget(QWidget *w, const Placement &p, const Twips &twips)
{
    if (!w)
        return; // the widget of the other kind, never made
    const int width = p.width > 0 ? twips.px(p.width) : w->sizeHint().width();
    const int height = p.height > 0 ? twips.px(p.height) : w->sizeHint().height();
    w->setGeometry(twips.px(p.left), twips.px(p.top), width, height);
    w->setVisible(p.visible);
}

} // namespace

PageWidgets::PageWidgets(MainCore &core, QWidget *area, const Twips &twips, QColor pictureBackdrop)
    : core_(core), twips_(twips), area_(area), editFont_(area->font())
{
    createPictures(area);
    if (pictureBackdrop.alpha() == 255)
        shipPicture_->prepareOn(pictureBackdrop);
    for (int s = 0; s < kSlotCount; ++s)
        if (madeAtStart(s))
            createSlot(s);
    shipSize_ = new QLabel(area);
    shipSize_->setObjectName(QStringLiteral("Label2_3"));
    createButtons(area);
    bindForm();
    chainOwnShipPage();
    placeAll();
}

// A slot shows either an edit field or a choice list, by its field's kind, and
// only that widget is made: the other would stay hidden for the whole run.
void PageWidgets::createSlot(int s)
{
    auto *label = new QLabel(text::translate("Field", core_.form().caption(s)), area_);
    label->setObjectName(QStringLiteral("SkinLabel1_%1").arg(s));
    labels_[std::size_t(s)] = label;
    if (field(s).kind == FieldKind::Edit)
        createEdit(s);
    else
        createChoice(s);
    labelField(*label, *fieldWidget(s));
}

// The fields of the pages the start did not show, made when the layout first
// shows one of them: named, chained and placed as if made with the window.
void PageWidgets::makeLaterFields()
{
    if (laterFieldsMade_)
        return;
    laterFieldsMade_ = true;
    for (int s = 0; s < kSlotCount; ++s)
        if (!madeAtStart(s))
            createSlot(s);
    chainLaterFields();
    nameWidgets(*area_->window());
    using enum WindowLayout::Element;
    for (int s = 0; s < kSlotCount; ++s) {
        if (!madeAtStart(s)) {
            place(Edit, s);
            place(Choice, s);
            place(Label, s);
        }
    }
}

void PageWidgets::createEdit(int s)
{
    EntryRules &rules = core_.rules();
    auto *edit = new MaskedEdit(core_.form(), s, area_);
    QFont font = editFont_;
    font.setPointSizeF(s == slot::shipName ? kShipNameFontPoints : kEditFontPoints);
    edit->setFont(font);
    // The page has no room for a wider ship name: for a name of wide letters
    // ("WWWW...") the font gives way, as far as the name needs.
    if (s == slot::shipName)
        QObject::connect(edit, &QLineEdit::textChanged, edit, [edit] { fitFontToText(*edit, kShipNameFontPoints); });
    QObject::connect(edit, &MaskedEdit::entered, area_, [&rules](int i) { rules.text1_GotFocus(i); });
    QObject::connect(edit, &MaskedEdit::left, area_, [&rules](int i) { rules.text1_LostFocus(i); });
    QObject::connect(edit, &MaskedEdit::keyDown, area_, [&rules](int i, int key) { rules.text1_KeyDown(i, key); });
    edits_[std::size_t(s)] = edit;
}

void PageWidgets::createChoice(int s)
{
    EntryRules &rules = core_.rules();
    auto *choice = new ChoiceBox(core_.form(), s, area_);
    QObject::connect(choice, &ChoiceBox::keyDown, area_, [&rules](int i, int key) { rules.Combo1_KeyDown(i, key); });
    choices_[std::size_t(s)] = choice;
}

void PageWidgets::createButtons(QWidget *area)
{
    for (int b = 0; b < kButtonCount; ++b) {
        auto *button = new QPushButton(text::translate("Button", kButtonCaptions[b]), area);
        button->setObjectName(QStringLiteral("Command2_%1").arg(b));
        button->setAutoDefault(false);
        // The three write buttons share one sequence: only the shown page's answers.
        setButtonShortcut(*button, Button(b) == Button::Read ? Shortcut::ReadUnit : Shortcut::WritePage);
        QObject::connect(button, &QPushButton::clicked, area, [this, b] { core_.buttonClicked(Button(b)); });
        buttons_[std::size_t(b)] = button;
    }
}

void PageWidgets::createPictures(QWidget *area)
{
    auto *image2 = new QWidget(area);
    image2->setObjectName(QStringLiteral("image2"));
    auto *image1 = svgPicture(QStringLiteral(":/ship_antenna.svg"), QStringLiteral("Image1"), image2);
    shipPicture_ = image1;
    image1->setGeometry(twips_.rect(0, 0, core_.layout().picture(WindowLayout::image2).width,
                                    core_.layout().picture(WindowLayout::image2).height));
    auto *image3 = new QWidget(area);
    image3->setObjectName(QStringLiteral("IMAGE3"));
    pictures_[WindowLayout::image2] = image2;
    pictures_[WindowLayout::IMAGE3] = image3;
    pictures_[WindowLayout::Image4] =
        svgPicture(QStringLiteral(":/instructions.svg"), QStringLiteral("Image4"), image3);
    pictures_[WindowLayout::Image5] = svgPicture(QStringLiteral(":/connection.svg"), QStringLiteral("Image5"), image3);
}

void PageWidgets::bindForm()
{
    Form &form = core_.form();
    QObject::connect(&form, &Form::captionChanged, shipSize_, [this, &form](int s) {
        QLabel *label = labels_.at(std::size_t(s));
        if (!label)
            return; // made later with the caption the form has then
        label->setText(text::translate("Field", form.caption(s)));
        labelField(*label, *fieldWidget(s));
        place(WindowLayout::Element::Label, s); // as wide as its caption
    });
    QObject::connect(&form, &Form::shipSizeChanged, shipSize_, [this, &form] {
        shipSize_->setText(catalogue::text(form.shipSize()));
        place(WindowLayout::Element::ShipSizeLabel, 0);
    });
    QObject::connect(&core_.layout(), &WindowLayout::changed, shipSize_,
                     [this](WindowLayout::Element element, int index) { place(element, index); });
}

QWidget *PageWidgets::fieldWidget(int slot) const
{
    if (field(slot).kind == FieldKind::Edit)
        return edit(slot);
    return choice(slot);
}

// Chains the slots' fields in turn after first; gives the last of them.
QWidget *PageWidgets::chainFields(QWidget *first, std::span<const int> walk) const
{
    for (int s : walk) {
        QWidget::setTabOrder(first, fieldWidget(s));
        first = fieldWidget(s);
    }
    return first;
}

void PageWidgets::chainOwnShipPage() const
{
    const std::span<const int> walk(kOwnShipOrder);
    QWidget::setTabOrder(chainFields(fieldWidget(walk.front()), walk.subspan(1)), button(Button::OwnShipWrite));
}

void PageWidgets::chainLaterFields() const
{
    QWidget::setTabOrder(previousTabStop(fieldWidget(kOwnShipOrder[0])), fieldWidget(kFactoryFirst));
    QWidget::setTabOrder(chainFields(button(Button::OwnShipWrite), kSystemOrder), button(Button::SystemWrite));
    QWidget::setTabOrder(chainFields(button(Button::SystemWrite), kFactoryRest), button(Button::FactoryWrite));
}

void PageWidgets::place(WindowLayout::Element element, int index)
{
    const WindowLayout &layout = core_.layout();
    using enum WindowLayout::Element;
    const bool laterSlot = (element == Edit || element == Choice || element == Label) && !madeAtStart(index);
    if (laterSlot && !laterFieldsMade_) {
        const Placement &shown = element == Edit ? layout.edit(index)
                                 : element == Choice ? layout.choice(index) : layout.label(index);
        if (shown.visible)
            makeLaterFields(); // places them all
        return;
    }
    switch (element) {
    case Edit: {
        MaskedEdit *edit = edits_.at(std::size_t(index));
        placeWidget(edit, layout.edit(index), twips_);
        if (edit && index == slot::shipName)
            fitFontToText(*edit, kShipNameFontPoints);
        break;
    }
    case Choice: placeWidget(choices_.at(std::size_t(index)), layout.choice(index), twips_); break;
    case Label: placeWidget(labels_.at(std::size_t(index)), layout.label(index), twips_); break;
    case Button: placeWidget(buttons_.at(std::size_t(index)), layout.button(index), twips_); break;
    case Picture: placeWidget(pictures_.at(std::size_t(index)), layout.picture(index), twips_); break;
    case ShipSizeLabel: {
        const Placement &picture = layout.picture(WindowLayout::image2);
        // Under the ship picture.
        placeWidget(shipSize_, {layout.shipSizeLabelVisible(), picture.left, picture.top + picture.height + 90, 0, 0},
                    twips_);
        break;
    }
    default: break; // the window itself handles the rest
    }
}

void PageWidgets::placeAll()
{
    using enum WindowLayout::Element;
    for (int s = 0; s < kSlotCount; ++s) {
        place(Edit, s);
        place(Choice, s);
        place(Label, s);
    }
    for (int b = 0; b < kButtonCount; ++b)
        place(Button, b);
    for (int p = 0; p < WindowLayout::kPictureCount; ++p)
        place(Picture, p);
    place(ShipSizeLabel, 0);
}

} // namespace aisset::ui
