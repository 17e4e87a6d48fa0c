#pragma once

class QLabel;
class QWidget;

namespace aisset::ui {

// What a screen reader says for the window's widgets. A field is named by its
// caption label, which is made its buddy; a widget without a caption of its own
// (a status panel, a picture, a console box, the tab strip) gets its name and,
// for a picture, a short description from one table of the window's own Chinese
// words, so that a translation finds every such text in one place.

// Names every widget under root that the table lists, found by object name.
void nameWidgets(QWidget &root);

// The caption labels its field: the label is the field's buddy, and the field's
// accessible name is the caption's text (kept when the caption changes).
void labelField(QLabel &caption, QWidget &field);

// Choice lists are read by their names, pictures as images. Any call after the
// first does nothing.
void installAccessibleInterfaces();

} // namespace aisset::ui
