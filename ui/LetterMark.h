#pragma once
// The stroke that turns a letter of a drawn text into x-bar or p-hat, shared
// by every window that writes a sample mean or proportion.

class QPainter;
class QFont;
class QChar;
class QPen;

// A one-pixel stroke over a letter of a text drawn with its top at textTop,
// the letter's glyph starting at glyphLeft: a bar for "x" (x-bar), a hat for
// "p" (p-hat), each on the letter's measured ink with a clear row between.
void DrawLetterMark(QPainter& p, const QFont& font, int glyphLeft, int textTop, QChar letter,
                    const QPen& pen);
void DrawLetterMark(QPainter& p, const QFont& font, int glyphLeft, int textTop, QChar letter);
