#pragma once
// The Samples window's two pictures painted on its surface: one sample as a
// histogram with its mean and standard deviation, six samples in a grid on a
// common scale, and the block that falls into a bar while a run draws. The
// numbers come from SamplePictureModel.h; this file only turns them into
// pixels. Also the few text helpers the window's other drawing shares.

#include "windows/samples/SamplePictureModel.h"

#include <QColor>
#include <QString>

class QFont;
class QPainter;

// The histogram view of row `row` (no sample: the blank graph) in the graph
// area. withMarker: the mean marker and the "s =" text too; while a value
// is falling into place the row's mean is not yet known, so they stay out.
// Returns the layout it drew with.
HistogramLayout PaintSampleHistogram(QPainter& p, int row, bool withMarker, int clientWidth);

// The grid view: samples from GridFirstSample() in six cells, their
// rectangles stored in g_sampleCellRects, the selected one framed (and
// remembered in g_samplesSelectionFrame).
void DrawSampleGrid(QPainter& p, int clientWidth);

// One step of the falling block: the block of count j of a bar, green with
// a black frame, after erasing the block it stood on before (empty: none).
void PaintFallingBlock(QPainter& p, const Rect& erased, const Rect& block);

// --- Text -------------------------------------------------------------------

enum class TextAlign { Left, Right, Centre };

// One line with its top at y, placed by its left edge, right end or centre at
// x, on an opaque background (the spaces of a text paint it too).
void TextAt(QPainter& p, int x, int top, const QString& text, const QFont& font,
            const QColor& colour, TextAlign align, const QColor& background);
int TextWidth(const QFont& font, const QString& text);

// Lines split at "\n", each centred in the rectangle from its top down.
void CentredLines(QPainter& p, const Rect& r, const QString& text, const QFont& font,
                  const QColor& colour, const QColor& background);

inline const QColor kGraphWhite(250, 250, 250);
inline const QColor kStripGrey(190, 190, 190);
