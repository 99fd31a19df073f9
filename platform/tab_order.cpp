#include "platform/tab_order.h"

#include <algorithm>
#include <climits>

namespace tv {

namespace {

// Neighbours overlapping by this much still count as apart (frames that share
// their border line).
constexpr int kTouch = 2;

struct Split {
    std::vector<std::vector<size_t>> parts;
    int widestGap = INT_MIN;
};

// Splits the boxes into bands along one axis wherever nothing spans the gap.
Split bands(const std::vector<QRect>& boxes, std::vector<size_t> idx, bool vertical) {
    auto start = [&](size_t i) { return vertical ? boxes[i].top() : boxes[i].left(); };
    auto end = [&](size_t i) { return vertical ? boxes[i].bottom() + 1 : boxes[i].right() + 1; };
    std::stable_sort(idx.begin(), idx.end(), [&](size_t a, size_t b) { return start(a) < start(b); });
    Split s;
    int reach = INT_MIN;
    for (size_t i : idx) {
        if (s.parts.empty() || start(i) > reach - kTouch) {
            if (!s.parts.empty()) s.widestGap = std::max(s.widestGap, start(i) - reach);
            s.parts.emplace_back();
        }
        s.parts.back().push_back(i);
        reach = std::max(reach, end(i));
    }
    return s;
}

void order(const std::vector<QRect>& boxes, std::vector<size_t> idx, std::vector<size_t>& out) {
    if (idx.size() > 1) {
        Split rows = bands(boxes, idx, true), columns = bands(boxes, idx, false);
        bool byRows = rows.parts.size() > 1 && (columns.parts.size() < 2 || rows.widestGap >= columns.widestGap);
        if (byRows || columns.parts.size() > 1) {
            for (auto& part : byRows ? rows.parts : columns.parts) order(boxes, std::move(part), out);
            return;
        }
        // Overlapping boxes: top to bottom, then left to right.
        std::stable_sort(idx.begin(), idx.end(), [&](size_t a, size_t b) {
            const QRect &ra = boxes[a], &rb = boxes[b];
            return ra.top() != rb.top() ? ra.top() < rb.top() : ra.left() < rb.left();
        });
    }
    out.insert(out.end(), idx.begin(), idx.end());
}

}  // namespace

std::vector<size_t> readingOrder(const std::vector<QRect>& boxes) {
    std::vector<size_t> idx(boxes.size()), out;
    for (size_t i = 0; i < idx.size(); ++i) idx[i] = i;
    out.reserve(idx.size());
    order(boxes, std::move(idx), out);
    return out;
}

}  // namespace tv
