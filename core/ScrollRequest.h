#pragma once
// What a scroll bar asks for, in every window: a line or a page towards the
// start (left, up) or the end, the thumb dragged, or something else. Each
// window's own rule then decides where it stops.

enum class ScrollRequest { LineBack, LineForward, PageBack, PageForward, Thumb, Other };
