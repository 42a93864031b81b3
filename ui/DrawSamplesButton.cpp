#include "ui/DrawSamplesButton.h"

#include "ui/DialogTemplate.h"
#include "ui/DrawingResources.h"
#include "ui/Gdi.h"

#include <QPainter>

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
    p.drawText(ToQRect(r), Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("DRAW\nSAMPLES"));
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
