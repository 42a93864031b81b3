#pragma once
// The DRAW SAMPLES button that three windows share: the orange face, the
// held-down look while a run starts, and "STOP" on every one of them while a
// run is in progress.

#include "ui/OwnerDrawButton.h"

#include <QRect>

class QPainter;

// Draws the orange-red face on the button's client rectangle, reading
// "DRAW SAMPLES", or "STOP" during a run. darkShadow: the inner shadow is
// black (population outline on) instead of grey.
void DrawDrawSamplesFace(QPainter& p, const QRect& client, bool darkShadow);

// A click starts a run through the window's handler (drawSamples), or, while
// a run is in progress, asks to stop it.
class CDrawSamplesButton : public COwnerDrawButton {
    Q_OBJECT
  public:
    explicit CDrawSamplesButton(QWidget* parent = nullptr);
    ~CDrawSamplesButton() override;

    // Every DRAW SAMPLES button of the program, repainted at once: a run
    // began or ended, so they read STOP or DRAW SAMPLES.
    static void RepaintAll();

  signals:
    void drawSamples();

  protected:
    void paintEvent(QPaintEvent* event) override;
};

// Greys the whole button and shows it at once, so it looks held down while
// the run starts; EndDrawSamplesPressed gives it its face back.
void ShowDrawSamplesPressed(COwnerDrawButton* button);
void EndDrawSamplesPressed(COwnerDrawButton* button);
// Every DRAW SAMPLES button that looks held down gets its face back: a
// message is about to be shown, so no run is starting now.
void EndAllDrawSamplesPressed();
