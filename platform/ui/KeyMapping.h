#pragma once
// Qt keys and modifiers in the class library's terms.
#include <cstdint>

#include <Qt>

#include "platform/ui/ControlTypes.h"

class QKeyEvent;

// The virtual key code of a key event; 0 for keys without one.
uint16_t VirtualKeyOf(const QKeyEvent* event);
// The virtual key code of a Qt key; 0 for keys without one.
uint16_t VirtualKeyOf(int qtKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton);
