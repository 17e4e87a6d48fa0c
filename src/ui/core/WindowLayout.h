#pragma once

#include "model/FieldTable.h"
#include "ui/core/PageTable.h"
#include "validation/EntryRules.h"

#include <QObject>

#include <array>

namespace aisset {

// Where one window element stands and whether it is shown. Positions are in
// twips (1/1440 inch) from the top left corner of the window's client area.
struct Placement {
    bool visible = false;
    int left = 0;
    int top = 0;
    int width = 0;  // 0: as wide as its content (labels)
    int height = 0; // 0: the element's natural height

    bool operator==(const Placement &) const = default;
};

// The window's design table: every slot's page, column and row. The own-ship,
// system and factory pages share the two main columns, each slot standing on
// one page only; the system page has a third column at the right.
enum class DesignColumn { Left, Right, Third };

struct DesignPlace {
    int slot;
    Page page;
    DesignColumn column;
    int top; // design field top, in twips
};

const DesignPlace &designPlace(int slot);
bool isOnPage(int slot, Page page);

// Where a page shows a column once it is laid out: label left, field left and
// field width in twips; kKeepDesign leaves the design value.
constexpr int kKeepDesign = -1;
struct ShownColumn {
    int labelLeft;
    int fieldLeft;
    int fieldWidth;
};
const ShownColumn &shownColumn(Page page, DesignColumn column);

// Where the installer's edition shows the read button, on every page that has it.
Placement readButtonPlace();

// Which window runs: the simplified edition shows the own-ship and system pages
// with their write buttons and the menu "档案调用" only; the installer's edition
// adds the read button, the factory page and the menus "窗口调整" and
// "加载模板". Both run the same procedures.
enum class Edition { Simplified, Full };

// The main window's arrangement as the page procedures see it: the selected
// page, the window height, and per element its visibility and position. The Qt
// window draws it; the procedures and the tests only read and write this.
class WindowLayout : public QObject, public EntryWindow {
    Q_OBJECT
public:
    enum class Element {
        Edit,          // text1(slot)
        Choice,        // Combo1(slot)
        Label,         // SkinLabel1(slot)
        Button,        // Command2(index): index a Button
        Picture,       // index: a Picture value
        ShipSizeLabel, // Label2(3)
        StatusLabels,  // SkinLabel2(0) and (1)
        WindowHeight,
        Page,
        ConsoleFrame, // Frame1(index): 0 the sent commands, 1 the received data
        WindowTop,
    };
    enum Picture : int { image2 = 0, IMAGE3, Image4, Image5 };
    static constexpr int kPictureCount = 4;
    static constexpr int kConsoleFrameCount = 2;
    static constexpr int kPageHeight = 6400;       // the pages of fields
    static constexpr int kPictureHeight = 7485;    // the picture pages
    static constexpr int kFieldWidth = 2655;       // design width of every edit field
    static constexpr int kButtonDesignLeft = 6600; // where every button stands hidden
    static constexpr int kFieldHeight = 375;
    static constexpr int kWindowWidth = 11100;   // no procedure changes the width
    static constexpr int kStandardHeight = 6400; // the standard window mode
    static constexpr int kDebugHeight = 9000;    // the debug window mode, with the console
    static constexpr int kConsoleTop = 4800;     // the console frames in the debug mode

    // Starts with the window's design: every element hidden at its design place.
    // Choice lists have none until the window's load puts them on their edit fields.
    explicit WindowLayout(Edition edition = Edition::Simplified, QObject *parent = nullptr);

    Edition edition() const { return edition_; }
    bool isFullEdition() const override { return edition_ == Edition::Full; }
    // The tabs of the edition: the first four pages, or all five with the factory page.
    int pageCount() const;
    bool hasPage(Page page) const { return isFullEdition() || !pageRow(page).fullEditionOnly; }

    Page selectedPage() const { return page_; }
    void setSelectedPage(Page page);
    std::optional<Group> selectedGroup() const override { return pageRow(page_).group; }
    std::optional<Group> writeOnEnter(FieldKind kind, int slot) const override;
    int windowHeight() const { return height_; }
    void setWindowHeight(int twips);
    // The window's top edge on the screen; the window stays where the system put
    // it until a window mode centres it.
    int windowTop() const { return top_; }
    void setWindowTop(int twips);

    const Placement &edit(int slot) const { return edits_.at(std::size_t(slot)); }
    const Placement &choice(int slot) const { return choices_.at(std::size_t(slot)); }
    const Placement &label(int slot) const { return labels_.at(std::size_t(slot)); }
    const Placement &button(int index) const { return buttons_.at(std::size_t(index)); }
    const Placement &button(Button b) const { return button(int(b)); }
    const Placement &picture(int index) const { return pictures_.at(std::size_t(index)); }
    const Placement &consoleFrame(int index) const { return consoleFrames_.at(std::size_t(index)); }
    bool shipSizeLabelVisible() const { return shipSizeVisible_; }
    bool statusLabelsVisible() const { return statusLabelsVisible_; }

    // Every setter that changes something announces the element, so the window
    // can follow each step of a procedure (a focus move right after a show finds
    // the field); a setter that changes nothing stays silent.
    void setEdit(int slot, const Placement &p);
    void setChoice(int slot, const Placement &p);
    void setLabel(int slot, const Placement &p);
    void setButton(int index, const Placement &p);
    void setButton(Button b, const Placement &p) { setButton(int(b), p); }
    void setPicture(int index, const Placement &p);
    void setConsoleFrame(int index, const Placement &p);
    void setShipSizeLabelVisible(bool visible);
    void setStatusLabelsVisible(bool visible);

    void showEdit(int slot, bool visible);
    void showChoice(int slot, bool visible);
    void showLabel(int slot, bool visible);
    void showButton(int index, bool visible);
    void showPicture(int index, bool visible);
    void showConsoleFrame(int index, bool visible);
    // Gives the choice list of a slot the left and width of its edit field, or
    // the wider place of a list with long entries.
    void alignChoiceWithEdit(int slot);

signals:
    void changed(aisset::WindowLayout::Element element, int index);

private:
    template <typename T>
    void update(T &member, const T &value, Element element, int index);

    Edition edition_;
    Page page_ = Page::OwnShip;
    int height_ = kPageHeight;
    int top_ = 0;
    std::array<Placement, kSlotCount> edits_{};
    std::array<Placement, kSlotCount> choices_{};
    std::array<Placement, kSlotCount> labels_{};
    std::array<Placement, kButtonCount> buttons_{};
    std::array<Placement, kPictureCount> pictures_{};
    std::array<Placement, kConsoleFrameCount> consoleFrames_{};
    bool shipSizeVisible_ = false;
    bool statusLabelsVisible_ = false;
};

} // namespace aisset
