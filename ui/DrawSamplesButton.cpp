#include "ui/DrawSamplesButton.h"

#include "ui/DrawingResources.h"
#include "ui/DrawnTexts.h"
#include "ui/Gdi.h"
#include "ui/OwnerDrawButton.h"
#include "ui/RunControl.h"

#include "core/SimulationState.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {
std::vector<CDrawSamplesButton*>& Registry() {
    static std::vector<CDrawSamplesButton*> buttons;
    return buttons;
}
} // namespace

void DrawDrawSamplesFace(QPainter& p, const QRect& client, bool darkShadow) {
    Rect r = ToRect(client);
    GdiFillRect(p, r, g_brushWhite);
    // Outer shadow along the bottom and right.
    QPen black(Qt::black);
    black.setWidth(1);
    GdiLine(p, r.left, r.bottom, r.right, r.bottom, black);
    GdiLine(p, r.right, r.bottom, r.right, r.top - 1, black);
    // Inner shadow.
    r = Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    const QPen& inner = darkShadow ? g_penBlack1 : g_penGrey150;
    GdiLine(p, r.left, r.bottom, r.right, r.bottom, inner);
    GdiLine(p, r.right, r.bottom, r.right, r.top - 1, inner);
    r.left += 1;
    r.top += 1;
    GdiFillRect(p, r, g_brushOrange);
    p.setPen(g_penBlack1);
    p.setFont(g_fontArialBold9_5);
    // During a run the same button stops it, and says so on one line.
    const QString words = g_runInProgress ? QCoreApplication::translate("Shell", "STOP")
                                          : QCoreApplication::translate("Shell", "DRAW\nSAMPLES");
    const Qt::Alignment align = g_runInProgress ? Qt::AlignCenter : Qt::AlignHCenter | Qt::AlignTop;
    QRect drawn;
    p.drawText(ToQRect(r), int(align), words, &drawn);
    // Each line's own width, so a word wider than the face is seen cut.
    const QFontMetrics metrics(g_fontArialBold9_5);
    int top = drawn.top();
    for (const QString& line : words.split(QLatin1Char('\n'))) {
        const int width = metrics.horizontalAdvance(line);
        NoteDrawnText(p, QRect(drawn.center().x() - width / 2, top, width, metrics.height()), line);
        top += metrics.lineSpacing();
    }
}

CDrawSamplesButton::CDrawSamplesButton(QWidget* parent) : COwnerDrawButton(parent) {
    SetFace([](QPainter& p, const QRect& client, bool) {
        DrawDrawSamplesFace(p, client, g_showPopOutline != 0);
    });
    MarkAsRunControl(this);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (g_runInProgress)
            RequestStopOfRun();
        else
            emit drawSamples();
    });
    Registry().push_back(this);
}

CDrawSamplesButton::~CDrawSamplesButton() {
    std::erase(Registry(), this);
}

void CDrawSamplesButton::RepaintAll() {
    for (CDrawSamplesButton* button : Registry())
        if (button->isVisible()) button->repaint();
}

void CDrawSamplesButton::paintEvent(QPaintEvent* event) {
    // The held-down grey belongs to the moment before the run; during it the
    // button reads STOP.
    if (g_runInProgress && PressedLook()) {
        SetPressedLook(false);
        COwnerDrawButton::paintEvent(event);
        SetPressedLook(true);
        return;
    }
    COwnerDrawButton::paintEvent(event);
}

void ShowDrawSamplesPressed(COwnerDrawButton* button) {
    if (!button) return;
    button->SetPressedLook(true);
    if (button->isVisible()) button->repaint();
}

void EndDrawSamplesPressed(COwnerDrawButton* button) {
    if (!button) return;
    button->SetPressedLook(false);
    if (button->isVisible()) button->repaint();
}

void EndAllDrawSamplesPressed() {
    for (CDrawSamplesButton* button : Registry())
        if (button->PressedLook()) EndDrawSamplesPressed(button);
}
