#pragma once
// Base of the modeless tool windows. A tool window's client area is fixed at
// its design size; inside the main frame it lives in a QMdiSubWindow whose
// close box only hides it. Without a frame (in tests) it is a plain top-level
// widget.

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class QKeyEvent;

// What the pointer is over in a window's picture: the cursor that says what
// a press there does (a resize cursor over what drags, a pointing hand over
// what a click chooses) and the tooltip that says it in words.
struct HoverHint {
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QString tip;
};

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

    // The order Tab and Shift+Tab go through the controls, round and round;
    // hidden and disabled ones are passed by, and of a group of radio-like
    // buttons only the one pressed in is a stop. The first control has the
    // focus when the window is shown for the first time.
    void SetTabOrder(const std::vector<QWidget*>& controls);
    // Gives the focus to the first control that can take it.
    void FocusFirstControl();
    // Gives the focus back to the control the student left the window at,
    // or to its first control.
    void FocusLastControl();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    // A change of language calls Retranslate.
    void changeEvent(QEvent* event) override;
    // Shows every text of the window (title, controls, tips, the picture)
    // in the language now in force, and redraws.
    virtual void Retranslate() {}
    bool focusNextPrevChild(bool next) override;
    // The hint at a point of the window (a drag in progress keeps its
    // cursor wherever the pointer goes); the plain arrow by default.
    virtual HoverHint HoverAt(QPoint at) const {
        (void)at;
        return {};
    }

  private:
    bool IsTabStop(const QWidget* control) const;

    const char* m_tag;
    QMdiSubWindow* m_frame = nullptr;
    std::vector<QPointer<QWidget>> m_tabOrder;
    bool m_focusedOnce = false;
};

// A drag follows a move only while the left button alone is held: no other
// button, no modifier key.
bool LeftButtonAlone(const QMouseEvent* event);

// The workspace of the main frame. Where the tool windows do not fit it
// scrolls; a scroll moves every frame in it, which is no move of the user's.
// The control that takes the focus is scrolled into view, ring and all, and
// Alt with an arrow (a step) or Page Up / Page Down (a page) scrolls it from
// the keyboard.
class CToolArea : public QMdiArea {
    Q_OBJECT
  public:
    explicit CToolArea(QWidget* parent = nullptr);
    bool Scrolling() const { return m_scrolling; }
    // Scrolls so the widget (inside one of the area's windows) shows whole,
    // or from its top left corner when it is larger than the view.
    void ShowInView(const QWidget* widget);
    // Alt with an arrow or Page Up / Page Down from anywhere in the frame;
    // true when it scrolled.
    bool ScrollByKey(const QKeyEvent& key);

  protected:
    void scrollContentsBy(int dx, int dy) override;

  private:
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
