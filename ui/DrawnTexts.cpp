#include "ui/DrawnTexts.h"

namespace {
bool recording = false;
std::vector<DrawnText>& Record() {
    static std::vector<DrawnText> record;
    return record;
}
} // namespace

void NoteDrawnText(const QPainter& p, const QRect& box, const QString& text) {
    if (!recording || text.isEmpty()) return;
    Record().push_back({p.device(), p.transform().mapRect(box), text});
}

void RecordDrawnTexts(bool on) {
    recording = on;
    Record().clear();
}

const std::vector<DrawnText>& DrawnTexts() {
    return Record();
}
