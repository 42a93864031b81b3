#pragma once
// A part of a picture the keyboard can reach: a slider, a limit, the possible
// mean, a population handle, the name box, the columns or rows a sample is
// chosen in. The parts are drawn on the window's surface, not widgets, so each
// gets an invisible stand-in laid over it: it takes the focus by Tab (the
// focus ring then frames the part), carries the part's accessible name and
// description, and hands its keys to the window. The mouse passes through it
// to the window, which handles the part as it always has.

#include "core/Geometry.h"

#include <QWidget>
#include <functional>

class QKeyEvent;

class CFocusSpot : public QWidget {
    Q_OBJECT
  public:
    // keys: the window's handling of a key pressed while the spot has the
    // focus; returns whether it used the key.
    using KeyHandler = std::function<bool(const QKeyEvent& event)>;
    CFocusSpot(QWidget* window, const QString& name, const QString& tip, KeyHandler keys);

    // Lays the spot over r (window pixels); an empty r takes it away, so Tab
    // passes it by.
    void Place(const Rect& r);
    // The words a screen reader gives for the part; set only when they change.
    void Describe(const QString& description);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    KeyHandler m_keys;
};

// The step of an arrow key on a horizontal scale: -1 for Left and Down, +1
// for Right and Up, ten times that with Shift; 0 for any other key.
int HorizontalStep(const QKeyEvent& event);
// The step of a key through the samples of a series, one at a time: -1 for
// Left and Down, +1 for Right and Up, to the first or last for Home and End
// (kMaxSamples either way); 0 for any other key or with a modifier.
int SampleStep(const QKeyEvent& event);
// Enter or Return, with no modifier but the keypad's.
bool IsEnterKey(const QKeyEvent& event);
