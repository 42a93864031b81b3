#pragma once
// The frame around the control that has the keyboard focus in a tool window:
// two pixels of near-black outside one of white, so it reads on the grey
// panels, the white fields and pictures, the orange DRAW SAMPLES and the
// coloured handles alike, from the back of a projected classroom. It is one
// frame-shaped widget laid over the window beside the control, so neither
// the control nor the picture under it has to draw it.

#include <QColor>

class QWidget;

// Starts following the focus (once; later calls do nothing).
void InstallFocusRing();

// Pixels the ring reaches outside the control, and of those the dark ones.
constexpr int kFocusRingOutset = 3;
constexpr int kFocusRingDark = 2;
// A picture that reaches the window's edge wears its ring inside, two
// pixels of this blue: no black frame of the picture's own looks like it.
inline const QColor kFocusRingInside(0, 110, 220);

// The ring while it frames a control, else nullptr.
QWidget* ShownFocusRing();
