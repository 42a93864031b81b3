#pragma once
// Builds a window's controls from its table of {id, kind, text, rectangle in
// dialog units} and maps dialog units to pixels by the window's design size
// over its template size, truncating each term. Texts, names and tips are
// English in the tables (marked QT_TRANSLATE_NOOP with the window's context)
// and shown translated; Retranslate shows them again in a new language.

#include "ui/OwnerDrawButton.h"

#include <QHash>
#include <QRect>
#include <QSize>
#include <functional>
#include <initializer_list>

class QWidget;

enum class ControlKind {
    PushButton,  // QPushButton
    RadioButton, // a push-like radio button: checkable QPushButton
    OwnerDrawn,  // COwnerDrawButton, painted by the window
    DrawSamples, // CDrawSamplesButton (ui/DrawSamplesButton.h)
    Edit,        // QLineEdit
    Static,      // QLabel
    HScrollBar,  // QScrollBar, horizontal
    VScrollBar,  // QScrollBar, vertical
};

struct ControlSpec {
    int id;
    ControlKind kind;
    const char* text; // may contain "\n"
    int x, y, w, h;   // dialog units
};

// What a control is called for a screen reader, and the tooltip that says
// what it does (none for a readout, whose name says what it shows).
struct ControlWords {
    int id;
    const char* name;
    const char* tip;
};

class QLabel;

// Writes a readout's text when it changed. A screen reader hears the number
// too: the accessible name is what the readout shows and then its text
// ("Total samples drawn: 1000"), and the change is announced.
void ShowReadout(QLabel* label, const QString& text);

class DialogTemplate {
  public:
    // templateDU: the template's size in dialog units; designPx: the window's
    // client size in pixels at scale 1.
    // context: the translation context of the window's texts ("Samples").
    DialogTemplate(QWidget* owner, QSize templateDU, QSize designPx, const char* context = "Shell");

    QRect ToPixels(int x, int y, int w, int h) const;
    QWidget* Create(const ControlSpec& spec);
    void CreateAll(std::initializer_list<ControlSpec> specs);
    // Accessible names and tooltips of the controls with these ids; a label
    // without a tip is a readout (see ShowReadout).
    void DescribeAll(std::initializer_list<ControlWords> words);
    template <class T> T* Get(int id) const { return qobject_cast<T*>(m_controls.value(id)); }
    QWidget* Control(int id) const { return m_controls.value(id); }
    // Every text, name and tip given above, in the language now in force.
    // A control whose text the window sets itself (a readout, a field)
    // was given "" and keeps its text.
    void Retranslate();
    // One English text in the window's context, in the language in force.
    QString Tr(const char* english) const;

  private:
    void ShowWords(const ControlWords& words);
    struct Source {
        const char* text = nullptr;
        ControlWords words{0, nullptr, nullptr};
    };
    QWidget* m_owner;
    const char* m_context;
    QHash<int, Source> m_sources;
    double m_kx, m_ky;
    QHash<int, QWidget*> m_controls;
};

// Buttons and scroll bars take the focus by Tab, as fields do by Tab and by
// click; a click on a button leaves the focus where the typing was. Enter
// presses a focused button, as Space does.
void TakeFocusByTab(QWidget* control);
