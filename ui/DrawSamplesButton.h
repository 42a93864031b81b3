#pragma once
// The DRAW SAMPLES face shared by three windows, and its pressed look.

#include <QRect>

class QPainter;
class COwnerDrawButton;

// Draws the orange-red face on the button's client rectangle. darkShadow: the
// inner shadow is black (population outline on) instead of grey.
void DrawDrawSamplesFace(QPainter& p, const QRect& client, bool darkShadow);

// Greys the whole button and shows it at once, so it looks held down for the
// length of a run; EndDrawSamplesPressed gives it its face back.
void ShowDrawSamplesPressed(COwnerDrawButton* button);
void EndDrawSamplesPressed(COwnerDrawButton* button);
