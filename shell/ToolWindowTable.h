#pragma once
// The one table of tool windows. Each entry knows its Window menu command, the
// tag Close Window compares with, its visible flag, how to make the window and
// where the start-up layout puts it. Adding a window is one entry here; the
// menus and the main frame find it by its command id.

#include <QPoint>
#include <span>

class CToolWindow;
class QMdiArea;

// Rows are written with every field named; a field left out takes the value
// given here.
struct ToolWindowEntry {
    int commandId = 0;          // its Window menu command
    const char* tag = "";       // g_activeWindowTag while it is the window used last
    int* visibleFlag = nullptr; // set by the Window command, cleared by Close Window
    // The window's constructor leaves it hidden, so the first command only
    // creates it and a later one shows it.
    bool createdHidden = false;
    QPoint templatePos =
        QPoint(0, 0); // where its template puts it, dialog units from the client's corner
    // Start-up layout: moved so its left edge lies on the Population window's
    // right edge (the Population window itself stays where its template puts it).
    bool lineUp = false;
    // Where the start-up layout records the window's size, or null.
    int* layoutWidth = nullptr;
    int* layoutHeight = nullptr;

    // The window the command shows, when it exists.
    CToolWindow* (*existing)() = nullptr;
    // Makes the window, hosts it in the area, stores its pointer in the state
    // and returns it. Null while the window has not been written: its command
    // then does nothing.
    CToolWindow* (*create)(QMdiArea* area) = nullptr;
    // The window Close Window hides when the tag matches (null: the same as existing).
    CToolWindow* (*closeTarget)() = nullptr;
    // Run after the command has shown the window, or null.
    void (*afterShow)() = nullptr;
};

// Every tool window in start-up order: the order in which the start-up
// sequence runs their commands, so the last one created lies on top.
std::span<const ToolWindowEntry> ToolWindows();
const ToolWindowEntry* FindToolWindow(int commandId);

// The two population windows, made (and hosted) on first use. The Measurement
// menu swaps them; the Population entry makes whichever the kind needs.
CToolWindow* EnsurePopulationWindow(QMdiArea* area);
CToolWindow* EnsureBinomialWindow(QMdiArea* area);

// Pixels per dialog unit in every window of the program.
constexpr int kDialogUnitPixels = 2;
