#include "ui/SeriesFields.h"

#include "ui/FieldText.h"
#include "ui/MessageBox.h"

namespace {
void Tell(QWidget* owner, const std::string& message) {
    if (!message.empty()) ShowMessage(owner, ToQt(message));
}
} // namespace

QString SampleSizeEditedIn(QWidget* owner, SeriesWindow window, const QString& text) {
    const FieldOutcome outcome = SampleSizeEdited(ToStd(text));
    Tell(owner, outcome.message);
    Links().CopySampleSizeText(window, outcome.text);
    return ToQt(outcome.text);
}

QString NumberOfSamplesEditedIn(QWidget* owner, SeriesWindow window, const QString& text) {
    const FieldOutcome outcome = NumberOfSamplesEdited(ToStd(text));
    Tell(owner, outcome.message);
    Links().CopyNumberOfSamplesText(window, outcome.text);
    return ToQt(outcome.text);
}

QString ToggleSeriesModeIn(QWidget* owner, SeriesWindow window, const QString& numberText) {
    const FieldOutcome outcome = ToggleSeriesMode(ToStd(numberText));
    Tell(owner, outcome.message);
    if (outcome.corrected) Links().CopyNumberOfSamplesText(window, outcome.text);
    return ToQt(outcome.text);
}

bool DrawEntryIn(QWidget* owner, SeriesWindow window, QString& number, QString& sampleSize) {
    const DrawEntry entry = CheckDrawEntry(ToStd(number), ToStd(sampleSize));
    Tell(owner, entry.message);
    if (entry.sampleSizeCorrected) {
        sampleSize = ToQt(entry.sampleSizeText);
        Links().CopySampleSizeText(window, entry.sampleSizeText);
    }
    if (entry.corrected) {
        number = ToQt(entry.numberText);
        Links().CopyNumberOfSamplesText(window, entry.numberText);
    }
    return entry.proceed;
}
