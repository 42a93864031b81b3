#pragma once
// Base of the modeless tool windows. A tool window's client area is fixed at
// its design size; inside the main frame it lives in a QMdiSubWindow whose
// close box only hides it. Without a frame (in tests) it is a plain top-level
// widget.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSize>
#include <QString>
#include <QWidget>

class CToolWindow : public QWidget {
    Q_OBJECT
  public:
    CToolWindow(const char* tag, const QString& caption, QSize designSize,
                QWidget* parent = nullptr);

    const char* Tag() const { return m_tag; }
    QMdiSubWindow* Frame() const { return m_frame; }

    // Puts the window into the MDI area (once). The frame is created hidden.
    void HostIn(QMdiArea* area);
    // Show normally and bring to the top; hide. The frame when hosted, else the widget.
    void ShowTool();
    void HideTool();
    bool IsToolVisible() const;
    // The frame's rectangle in the MDI area's coordinates, and moving it there.
    QRect ToolGeometry() const;
    void MoveToolTo(const QPoint& topLeft);
    void ResizeClientTo(const QSize& clientSize);

    // The close box: hides the window. Subclasses clear their visible flag.
    virtual void OnCloseBox() { HideTool(); }
    // The window was moved by the user.
    virtual void OnMoved() { MarkActive(); }
    // Sets g_activeWindowTag to this window's tag.
    void MarkActive();

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const char* m_tag;
    QMdiSubWindow* m_frame = nullptr;
};

// A drag follows a move only while the left button alone is held: no other
// button, no modifier key.
bool LeftButtonAlone(const QMouseEvent* event);

// The workspace of the main frame. Where the tool windows do not fit it
// scrolls; a scroll moves every frame in it, which is no move of the user's.
class CToolArea : public QMdiArea {
    Q_OBJECT
  public:
    explicit CToolArea(QWidget* parent = nullptr);
    bool Scrolling() const { return m_scrolling; }

  protected:
    void scrollContentsBy(int dx, int dy) override;

  private:
    bool m_scrolling = false;
};

// The MDI frame of a tool window: the close box hides instead of closing,
// moves are reported to the window, and its size is fixed around the client.
class CToolSubWindow : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit CToolSubWindow(CToolWindow* tool);
    // Set while the program itself moves the frame, so only user moves count.
    void SetProgrammaticMove(bool on) { m_programmaticMove = on; }
    // Sizes the frame around the tool's fixed client area and fixes it there.
    void FitToClient();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    CToolWindow* m_tool;
    bool m_programmaticMove = false;
};
