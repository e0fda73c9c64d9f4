#pragma once
// A picture static of a dialog template shown at the dialog's scale. The
// platform lays text and controls out by the dialog's font, which grows with
// the system DPI, but shows a bitmap pixel for pixel; above (or below) the
// design DPI the picture would shrink (or spill) relative to its box.
#include "framework.h"

class CScaledPicture {
   public:
    // Finds the bitmap static at the top-left corner of `templateRect`
    // (the picture's rectangle in the template, in dialog units) and, unless the dialog is laid
    // out at the design DPI, shows a smoothly resampled copy of its bitmap
    // fitted to the rectangle in pixels. The copy is held until this object
    // goes or the next call. Returns the static, or null when none is there.
    HWND Attach(CDialog& dialog, const CRect& templateRect);

    // The copy now shown; null while the template's own bitmap is shown.
    HBITMAP GetScaledBitmap() const { return m_scaled.GetSafeHandle(); }

   private:
    CBitmap m_scaled;
};
