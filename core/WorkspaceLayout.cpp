#include "core/WorkspaceLayout.h"

#include <algorithm>
#include <numeric>

namespace {
// Each overlapping window stands this much further in than the one before,
// so their title bars do not hide one another.
constexpr int kCascadeStep = 24;
} // namespace

std::vector<Placement> ArrangeWindows(int areaWidth, int areaHeight,
                                      std::span<const WindowSize> sizes, int inUse) {
    const int count = static_cast<int>(sizes.size());
    std::vector<Placement> placed(sizes.size());
    std::vector<bool> done(sizes.size(), false);
    auto put = [&](int i, int x, int y, bool clear) {
        placed[i] = {Rect{x, y, x + sizes[i].width, y + sizes[i].height}, clear};
        done[i] = true;
    };

    // The top row holds as many windows as can stand side by side: the one
    // in use, then the narrowest, shown in their own order from the left.
    std::vector<int> byWidth(sizes.size());
    std::iota(byWidth.begin(), byWidth.end(), 0);
    std::stable_sort(byWidth.begin(), byWidth.end(), [&](int a, int b) {
        if ((a == inUse) != (b == inUse)) return a == inUse;
        return sizes[a].width < sizes[b].width;
    });
    std::vector<bool> inRow(sizes.size(), false);
    int rowWidth = 0;
    for (const int i : byWidth) {
        if (rowWidth + sizes[i].width > areaWidth) {
            if (i == inUse) continue; // too wide to stand beside the others
            break;
        }
        rowWidth += sizes[i].width;
        inRow[i] = true;
    }
    int x = 0, rowBottom = 0;
    for (int i = 0; i < count; ++i) {
        if (!inRow[i]) continue;
        put(i, x, 0, true);
        x += sizes[i].width;
        rowBottom = std::max(rowBottom, sizes[i].height);
    }

    // Further rows below, for windows that fit there whole.
    int shelfTop = rowBottom, shelfX = 0, shelfBottom = rowBottom;
    for (int i = 0; i < count; ++i) {
        if (done[i]) continue;
        const WindowSize s = sizes[i];
        int left = shelfX, top = shelfTop;
        if (left + s.width > areaWidth) {
            left = 0;
            top = shelfBottom;
        }
        if (left + s.width > areaWidth || top + s.height > areaHeight) continue;
        put(i, left, top, true);
        shelfX = left + s.width;
        shelfTop = top;
        shelfBottom = std::max(shelfBottom, top + s.height);
    }

    // The rest overlap from the bottom right corner, each a step further in.
    int step = 0;
    for (int i = 0; i < count; ++i) {
        if (done[i]) continue;
        const WindowSize s = sizes[i];
        const int left = std::max(0, areaWidth - s.width - step);
        const int top = s.height > areaHeight ? 0 : std::max(0, areaHeight - s.height - step);
        put(i, s.width > areaWidth ? 0 : left, top, false);
        step += kCascadeStep;
    }
    return placed;
}

int ScrollToShow(int first, int past, int viewSize) {
    if (first < 0) return first;
    if (past > viewSize) return std::min(past - viewSize, first);
    return 0;
}
