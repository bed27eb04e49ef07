#pragma once
// Window messages: the record handed to a control's WndProc, the message
// numbers the controls send and answer, and posting to a control's queue.
#include <cstdint>

#include "platform/ui/Geometry.h"

// A message for a control. For WM_KEYDOWN and WM_KEYUP, WParam is the virtual
// key and LParam the bits of the shift state; handlers set WParam to 0 to
// consume the key. For WM_CHAR, WParam is the character (0 consumes it).
struct TMessage {
    unsigned Msg = 0;
    intptr_t WParam = 0;
    intptr_t LParam = 0;
    intptr_t Result = 0;
};

enum : unsigned {
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    WM_ERASEBKGND = 0x0014,
    WM_CONTEXTMENU = 0x007B,
    WM_NCPAINT = 0x0085,
    WM_NCLBUTTONDOWN = 0x00A1,
    WM_NCLBUTTONUP = 0x00A2,
    WM_NCLBUTTONDBLCLK = 0x00A3,
    WM_NCRBUTTONDOWN = 0x00A4,
    WM_NCRBUTTONUP = 0x00A5,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_COMMAND = 0x0111,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_MOUSEWHEEL = 0x020A,
    WM_USER = 0x0400,
    CM_BASE = 0xB000,
    CM_DIALOGKEY = CM_BASE + 5,
    CM_RELEASE = CM_BASE + 33,
};

// Notification code of WM_COMMAND (high word of WParam): an edit's text changed.
constexpr unsigned EN_CHANGE = 0x0300;

// Scroll codes of WM_HSCROLL/WM_VSCROLL (low word of WParam; the position is
// the high word for the thumb codes).
enum : unsigned {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};

// Hit codes of the non-client mouse messages (WParam).
enum : int {
    HTNOWHERE = 0,
    HTCLIENT = 1,
    HTCAPTION = 2,
    HTLEFT = 10,
    HTRIGHT = 11,
    HTTOP = 12,
    HTTOPLEFT = 13,
    HTTOPRIGHT = 14,
    HTBOTTOM = 15,
    HTBOTTOMLEFT = 16,
    HTBOTTOMRIGHT = 17,
    HTBORDER = 18,
    HTCLOSE = 20,
};

// A point packed into LParam as two signed 16-bit halves (x low, y high).
inline intptr_t PointToLParam(TPoint p)
{
    return static_cast<intptr_t>((static_cast<uint32_t>(p.X) & 0xFFFFu) | (static_cast<uint32_t>(p.Y) << 16));
}
inline TPoint LParamToPoint(intptr_t lParam)
{
    return {static_cast<int16_t>(lParam & 0xFFFF), static_cast<int16_t>((lParam >> 16) & 0xFFFF)};
}

class TWinControl;

// Queues the message for the control; the event loop delivers it later to the
// control's WndProc. The control's window is created if it does not exist. A
// message whose window is destroyed before delivery is dropped.
void PostMessage(TWinControl* control, unsigned msg, intptr_t wParam = 0, intptr_t lParam = 0);
// Delivers the message at once and returns its result.
intptr_t SendMessage(TWinControl* control, unsigned msg, intptr_t wParam = 0, intptr_t lParam = 0);
