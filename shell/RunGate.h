#pragma once
// While a run is in progress the program lets through only what may act
// during it: the speed buttons (clicked, or by their keys Ctrl+1 .. Ctrl+5),
// STOP (a DRAW SAMPLES button, or Esc) and moving or raising windows. Every
// other input is dropped, not queued to act afterwards; paints and the like
// pass. The gate exists for the length of one run and lets pending events
// through when it is pumped.

#include <QObject>
#include <chrono>

class CRunGate : public QObject {
  public:
    CRunGate();
    ~CRunGate() override;

    // Lets pending events through the gate, at most once per interval unless
    // forced, so an animated run answers within 50 ms and a fast one is not
    // slowed down.
    void Pump(bool force = false);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::chrono::steady_clock::time_point m_lastPump;
};
