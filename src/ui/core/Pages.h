#pragma once

#include "ui/core/PageTable.h"

namespace aisset {

class Form;
class Host;
class WindowLayout;

// Lays out a page of the page table (the factory page in the installer's
// edition only): hides everything, then shows the page's fields, buttons and
// pictures. The installer's edition also shows the read button on the pages
// that have it. The one-time narrowing of the own-ship page and its input
// masks happen at the first showing only; the other pages' geometry is set on
// every showing.
void ShowPage(Form &form, WindowLayout &layout, Host &host, Page page);

// A click on the tab of a page: selects it and lays it out with the window held
// disabled, then puts the focus into the page's first field. A click on the
// page already on screen changes nothing.
void Tab1_Click(Form &form, WindowLayout &layout, Host &host, Page page);

} // namespace aisset
