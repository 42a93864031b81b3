#pragma once
// The main window: menu bar, status bar and the MDI area that hosts every
// tool window. It gives the Simulation state its start-up values, creates and
// lines up the tool windows, and carries out the menu commands.

#include "shell/Run.h"

#include <QMainWindow>

class QLabel;
class QMdiArea;
struct ToolWindowEntry;
struct TextCopy;
class CToolWindow;

class CMainFrame : public QMainWindow, private RunWatcher {
    Q_OBJECT
  public:
    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    // The menu action that carries a command id.
    QAction* CommandAction(int commandId) const;
    // Carries out a menu command.
    void OnCommand(int commandId);
    // The window Edit > Copy Picture copies: the one used last (as Close
    // Window names it) while it is shown, else the one whose title bar is
    // lit; null when no tool window is shown.
    CToolWindow* PictureWindow() const;

    // Status bar panes: the message pane and the CAP, NUM and SCRL indicators.
    QLabel* MessagePane() const { return m_messagePane; }
    QLabel* CapsPane() const { return m_capsPane; }
    QLabel* NumPane() const { return m_numPane; }
    QLabel* ScrollPane() const { return m_scrollPane; }
    // Shows the lock states (unknown ones dimmed).
    void ShowLockStates(bool caps, bool num, bool scroll);

    // A close was asked for during a run and waits for its end (and for the
    // queued close that follows it).
    bool ClosePending() const { return m_closePending; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateStatusBar();
    void PlaceOnScreen();
    void KeepOnScreen();
    void CreateToolWindows();
    void LineUpToolWindows();
    void ShowToolWindow(const ToolWindowEntry& entry);
    void CloseActiveWindow();
    void SwitchToBinomial();
    void SwitchToMeasurement(int commandId);
    void HideSettingsAndResetTransform();
    void RedrawPopulationWindow();
    void SetShownStatistic(int z, int t);
    void TogglePossibleMu();
    void CopyPicture();
    void CopyText(const TextCopy& copy);
    void ArrangeForScreen();
    void ToggleFullScreen();
    void ToggleColourBlindSafe();
    void RepaintDorvane();
    void ShowAbout();
    // RunWatcher: no run starts once a close was asked for; the status bar
    // says how far a run has come; a close asked for meanwhile is carried out
    // when it ends.
    bool MayStartRun() override;
    void RunProgress(int sampleOfRun, int samplesOfRun) override;
    void RunEnded() override;

    QMdiArea* m_mdiArea = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_capsPane = nullptr;
    QLabel* m_numPane = nullptr;
    QLabel* m_scrollPane = nullptr;
    int m_openMenus = 0;
    bool m_closePending = false;
    bool m_placed = false;
};
