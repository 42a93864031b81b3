#pragma once
// A Qt scroll bar's action as the windows' scroll rules read it.

#include "core/ScrollRequest.h"

#include <QAbstractSlider>

inline ScrollRequest ScrollRequestOf(int sliderAction) {
    switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollRequest::LineBack;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollRequest::LineForward;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollRequest::PageBack;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollRequest::PageForward;
    case QAbstractSlider::SliderMove:
        return ScrollRequest::Thumb;
    default:
        return ScrollRequest::Other;
    }
}
