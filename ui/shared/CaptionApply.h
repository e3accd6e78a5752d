#pragma once
#include <QWidget>

#include "text/Captions.h"

namespace vornel {

// The object name of the control a caption belongs to.
QString controlObjectName(const ControlCaption& control);

// Puts the window's title and each caption of the table on the control of
// that name among the window's children (labels, buttons, frames, menus).
void applyCaptions(QWidget* window, const CaptionTable& table);

}  // namespace vornel
