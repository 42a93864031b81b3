#include "tests/support/GuiTestSupport.h"

#include "core/Random.h"
#include "core/SamplingEngine.h"
#include "core/SimulationState.h"
#include "ui/MessageBox.h"
#include "ui/WindowLinks.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTest>

void GuiTest::SetUp() {
    ResetSimulationState();
    SetSecondsClock([] { return std::int64_t{1000000}; });
    // The animation's pauses let no time pass in a test.
    SetMillisecondWait([](int) {});
    SetMessageHandler([this](QWidget*, const QString& text) { messages << text; });
}

void GuiTest::TearDown() {
    SetMessageHandler({});
    SetDisplays(nullptr);
    SetWindowLinks(nullptr);
    SetSecondsClock({});
    SetMillisecondWait({});
}

void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

void SaveSnapshot(const QImage& image, const QString& name) {
    const QString dir = qEnvironmentVariable("DORVANE_SNAPSHOT_DIR");
    if (!dir.isEmpty() && QDir().mkpath(dir)) image.save(dir + "/" + name + ".png");
}

void SendMove(QWidget* widget, QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(widget->mapToGlobal(at)), Qt::NoButton,
                     buttons, keys);
    QApplication::sendEvent(widget, &move);
}

void TypeInto(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    text.isEmpty() ? QTest::keyClick(field, Qt::Key_Delete) : QTest::keyClicks(field, text);
}
