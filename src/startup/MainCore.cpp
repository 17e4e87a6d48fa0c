#include "MainCore.h"

#include "Host.h"
#include "Normalise.h"
#include "Pages.h"
#include "ReplyDecoding.h"
#include "ShipSize.h"

namespace aisset {

MainCore::MainCore(Host &host, Services services)
    : host_(host), store_(services.store), settings_(store_), records_(store_),
      link_(form_, host, settings_,
            [this](const QString &line) { return FP(form_, host_, line); },
            LinkSession::standardBuilder(form_, host, &records_), std::move(services.link)),
      rules_(form_, layout_, host,
             {[this](int index) { writeButtonClicked(index); }, [this] { ShowShipSize(form_); }})
{
}

// The elements no page procedure moves: the picture frames and the hidden
// status labels; every choice list starts on its edit field's place.
void MainCore::placeFixedElements()
{
    Placement frame = layout_.picture(WindowLayout::IMAGE3);
    frame.top = 480;
    layout_.setPicture(WindowLayout::IMAGE3, frame);
    Placement picture = layout_.picture(WindowLayout::image2);
    picture.top = 720;
    picture.left = 8280;
    layout_.setPicture(WindowLayout::image2, picture);
    layout_.setStatusLabelsVisible(false);
    for (int s = 0; s < kSlotCount; ++s) {
        form_.setCaption(s, QString());
        Placement choice = layout_.choice(s);
        choice.left = layout_.edit(s).left;
        choice.top = layout_.edit(s).top;
        choice.width = layout_.edit(s).width;
        layout_.setChoice(s, choice);
    }
}

void MainCore::formLoad(const std::function<void()> &showWindow)
{
    LinkState &state = link_.state();
    state.idleTicks = 0;
    state.recvBuffer.clear();
    placeFixedElements();
    layout_.setSelectedPage(1); // the tab strip starts on its first tab
    state.pendingGroup = LinkState::None;
    link_.ports().openAtStartup();
    applyStartState(form_);
    ShowPage(form_, layout_, host_, 1);
    if (showWindow)
        showWindow();
    form_.setVisible(true);
    host_.moveFocus(FieldKind::Edit, slot::mmsi);
}

void MainCore::tabClicked(int page) { Tab1_Click(form_, layout_, host_, page); }

void MainCore::writeButtonClicked(int index) { link_.transactions().command2Click(index); }

void MainCore::portChosen(int listPosition) { link_.ports().select(listPosition); }

} // namespace aisset
