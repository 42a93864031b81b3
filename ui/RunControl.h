#pragma once
// What a person may do while a run is in progress: change the speed, stop the
// run (STOP, or Esc), move and raise windows. Controls that act during a run
// carry a mark; the shell's gate lets input through only to them, and the
// engine asks between samples whether a stop was asked for.

class QWidget;

// Asked by STOP or Esc; cleared when the next run starts.
void RequestStopOfRun();
bool StopOfRunRequested();
void ClearStopOfRun();

// Marks a control that keeps working during a run (a speed button, STOP).
void MarkAsRunControl(QWidget* control);
bool IsRunControl(const QWidget* control);
