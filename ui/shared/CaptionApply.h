#pragma once
#include <QWidget>

#include "text/Captions.h"

namespace vornel {

// Puts the window's title and each caption of the table on the control
// whose object name the entry's `widget` gives, among the window's children
// (labels, buttons, frames, menus). An entry naming no control is skipped:
// the catalogue's key is never taken for an object name.
void applyCaptions(QWidget* window, const CaptionTable& table);

}  // namespace vornel
