#pragma once
// Shared pieces of the widget tests: a fixture with fresh state and recorded
// messages, pixels and mouse moves, and pictures saved for a person to look at.

#include "core/Geometry.h"

#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

// A QString in a failure message reads as its text, not as a dump of its bytes.
void PrintTo(const QString& text, std::ostream* out);

class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Texts of the message boxes shown since SetUp, in order.
    QStringList messages;
};

// Saves the image as DIR/name.png when DORVANE_SNAPSHOT_DIR is set.
void SaveSnapshot(const QImage& image, const QString& name);

// Replaces a field's text by typing, as a student selects it and types over it.
void TypeInto(QLineEdit* field, const QString& text);
// A mouse move with these buttons and keys held, as the platform delivers it.
void SendMove(QWidget* widget, QPoint at, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers keys = Qt::NoModifier);

inline QRgb Rgb(int r, int g, int b) {
    return qRgb(r, g, b) & 0xFFFFFF;
}
inline QRgb PixelOf(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}
inline QPoint Centre(const Rect& r) {
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}
