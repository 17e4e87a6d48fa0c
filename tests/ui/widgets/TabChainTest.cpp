// The Tab key's order over the whole window, in both editions, once every page
// has been shown: the pages' fields that are made only when their page first
// shows must take the places they had when the start made them all.
#include "WindowFixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace aisset;

namespace {

// The window's focus chain: the names of the widgets the Tab key stops at.
QStringList tabStops(QWidget &window)
{
    QStringList names;
    for (QWidget *w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            names.append(w->objectName());
    return names;
}

class TabChainTest : public test::WindowTest {
protected:
    void SetUp() override {} // each case starts the window of its edition
};

// The order the start gave when it made every page's widgets at once: the
// own-ship page's Enter walk, its write button, the system page's walk, its
// write button, the factory fields, then the status bar.
const QStringList kStartsOrder{
    u"Tab1"_s,      u"Tab1_Bar"_s,   u"ScrollLeftButton"_s, u"ScrollRightButton"_s, u"text1_1"_s,    u"text1_5"_s,
    u"text1_7"_s,   u"text1_2"_s,    u"text1_6"_s,          u"Combo1_3"_s,          u"text1_4"_s,    u"text1_0"_s,
    u"text1_8"_s,   u"text1_9"_s,    u"text1_10"_s,         u"text1_11"_s,          u"Combo1_12"_s,  u"Command2_0"_s,
    u"Combo1_13"_s, u"Combo1_14"_s,  u"Combo1_15"_s,        u"Combo1_16"_s,         u"Combo1_17"_s,  u"Combo1_18"_s,
    u"Combo1_26"_s, u"Combo1_19"_s,  u"Combo1_20"_s,        u"Combo1_21"_s,         u"Combo1_22"_s,  u"Combo1_27"_s,
    u"Combo1_28"_s, u"Combo1_29"_s,  u"Combo1_30"_s,        u"Combo1_31"_s,         u"Combo1_32"_s,  u"Combo1_33"_s,
    u"Combo1_34"_s, u"Command2_1"_s, u"text1_23"_s,         u"text1_24"_s,          u"text1_25"_s,   u"Command2_2"_s,
    u"Command2_3"_s, u"Check1"_s,    u"Combo2"_s,           u"SearchCancel"_s};

TEST_F(TabChainTest, EveryPageShownTheChainIsTheStartsOrder)
{
    for (Edition edition : {Edition::Simplified, Edition::Full}) {
        startWindow(QString(), edition);
        showEveryPage();
        EXPECT_EQ(tabStops(*window), kStartsOrder) << "edition " << int(edition);
    }
}

} // namespace
