#pragma once
// A record of the texts the windows draw onto their surfaces, kept only while
// someone asks for it: a test measures every label's rectangle there, to
// find a number cut off at an edge or two labels run into one.

#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

struct DrawnText {
    const QPaintDevice* device = nullptr;
    QRect rect; // on the device, in design pixels
    QString text;
};

// Every drawing routine that writes a text calls this with the text's box
// (left, top, advance width, font height) in the painter's coordinates.
void NoteDrawnText(const QPainter& p, const QRect& box, const QString& text);

// Starts (clearing what was noted) or stops the record.
void RecordDrawnTexts(bool on);
const std::vector<DrawnText>& DrawnTexts();
