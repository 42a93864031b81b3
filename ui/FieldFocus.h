#pragma once
// A field that receives the focus in any way but a click (Tab, a window
// raised, a dialog opened, a message box closed, the program's start) holds
// its text selected, so what is typed replaces it. That selection is the
// program's, not the student's: Ctrl+C over it copies the window's picture,
// while text the student selected (by keys or the mouse) is copied as text.

class QLineEdit;

// Starts watching the fields (once; later calls do nothing).
void InstallFieldFocus();

// The field holds text the student selected.
bool HasStudentSelection(const QLineEdit* field);
