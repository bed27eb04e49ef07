#pragma once
// Pictures of controls for people: any control can be grabbed as it shows,
// and saved as PNG.
#include <string>

#include <QImage>

class TControl;

// The control as it is painted (its window is created when needed); a
// windowless control is cut out of its parent's picture.
QImage GrabControl(TControl* control);
// Saves GrabControl(control) as a PNG file; raises EInvalidGraphic when the
// file cannot be written.
void SaveControlPicture(TControl* control, const std::string& fileName);
