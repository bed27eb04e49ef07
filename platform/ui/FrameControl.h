#pragma once
// Drawing of the standard frame-control glyphs (check boxes, radio buttons,
// push-button faces, caption buttons) in the classic three-dimensional look.
#include "platform/ui/ControlTypes.h"
#include "platform/ui/Geometry.h"

class TCanvas;
class TBitmap;

enum : unsigned {
    DFC_CAPTION = 1,
    DFC_BUTTON = 4,
};

enum : unsigned {
    DFCS_CAPTIONCLOSE = 0x0000,
    DFCS_BUTTONCHECK = 0x0000,
    DFCS_BUTTONRADIO = 0x0004,
    DFCS_BUTTON3STATE = 0x0008,
    DFCS_BUTTONPUSH = 0x0010,
    DFCS_INACTIVE = 0x0100,
    DFCS_PUSHED = 0x0200,
    DFCS_CHECKED = 0x0400,
    DFCS_FLAT = 0x4000,
};

// Draws the glyph described by type and state filling rect.
void DrawFrameControl(TCanvas& canvas, const TRect& rect, unsigned type, unsigned state);

// Raised and sunken three-dimensional frames around rect.
void DrawEdgeRaised(TCanvas& canvas, const TRect& rect);
void DrawEdgeSunken(TCanvas& canvas, const TRect& rect);

// The border of a control with a border style: none for bsNone, else sunken
// three-dimensional edges (two pixels) with ctl3D or a one-pixel window frame.
int ControlBorderWidth(TBorderStyle style, bool ctl3D);
// Draws that border just inside rect.
void DrawControlBorder(TCanvas& canvas, const TRect& rect, TBorderStyle style, bool ctl3D);

// The system's check-box sheet (OBM_CHECKBOXES): four glyph columns
// (unchecked, checked, and their pushed forms) by three rows (check box,
// radio button, three-state box); each glyph is 13 x 13 pixels.
constexpr int OBM_CHECKBOXES = 32759;
constexpr int CheckGlyphSize = 13;
// A new bitmap with the check-box sheet; the caller owns it.
TBitmap* LoadCheckBoxesBitmap();
