#include "platform/ui/KeyMapping.h"

#include <QKeyEvent>

namespace {

struct KeyPair {
    int qt;
    uint16_t vk;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
};

} // namespace

uint16_t VirtualKeyOf(int qtKey)
{
    for (const KeyPair& k : kKeys)
        if (k.qt == qtKey)
            return k.vk;
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<uint16_t>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<uint16_t>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    return 0;
}

uint16_t VirtualKeyOf(const QKeyEvent* event)
{
    return VirtualKeyOf(event->key());
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    TShiftState shift;
    if (modifiers & Qt::ShiftModifier)
        shift.Include(ssShift);
    if (modifiers & Qt::AltModifier)
        shift.Include(ssAlt);
    if (modifiers & Qt::ControlModifier)
        shift.Include(ssCtrl);
    if (buttons & Qt::LeftButton)
        shift.Include(ssLeft);
    if (buttons & Qt::RightButton)
        shift.Include(ssRight);
    if (buttons & Qt::MiddleButton)
        shift.Include(ssMiddle);
    return shift;
}
