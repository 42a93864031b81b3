#pragma once

// A rectangle in window pixels, edges as the drawing code uses them.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect United(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return Rect{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// Design units to pixels: multiply by the window's scale and truncate, each
// term on its own, so every window measures exactly as designed at scale 1.
inline int Px(float scale, double designUnits) {
    return static_cast<int>(scale * designUnits);
}
