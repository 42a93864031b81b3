#pragma once
// Shared pieces of the widget tests: a fixture with fresh state and recorded
// messages, and pictures saved for a person to look at.

#include <QImage>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Texts of the message boxes shown since SetUp, in order.
    QStringList messages;
};

// Saves the image as DIR/name.png when DORVANE_SNAPSHOT_DIR is set.
void SaveSnapshot(const QImage& image, const QString& name);
