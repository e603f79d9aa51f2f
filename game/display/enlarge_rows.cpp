#include "display/enlarge_rows.h"

#include <allegro.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

void enlargeRows(const BITMAP *source, BITMAP *target, int scale, int firstRow, int lastRow)
{
    const int width = source->w;
    const std::size_t targetRowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(scale) * 2;
    for (int y = firstRow; y <= lastRow; ++y) {
        const auto *from = reinterpret_cast<const std::uint16_t *>(source->line[y]);
        unsigned char *firstCopy = target->line[y * scale];
        if (scale == 2) {
            // The common case, two pixels per store.
            auto *to = reinterpret_cast<std::uint32_t *>(firstCopy);
            for (int x = 0; x < width; ++x) to[x] = from[x] * 0x10001u;
        } else {
            auto *to = reinterpret_cast<std::uint16_t *>(firstCopy);
            for (int x = 0; x < width; ++x)
                for (int k = 0; k < scale; ++k) *to++ = from[x];
        }
        for (int k = 1; k < scale; ++k) std::memcpy(target->line[y * scale + k], firstCopy, targetRowBytes);
    }
}

void fillRows(const BITMAP *source, BITMAP *target, int firstRow, int lastRow, int &firstTargetRow, int &lastTargetRow)
{
    // Target row t shows source row t * sh / th: the rows of source rows
    // firstRow..lastRow run from ceil(firstRow * th / sh) to
    // ceil((lastRow + 1) * th / sh) - 1.
    const int sh = source->h, th = target->h;
    firstTargetRow = (firstRow * th + sh - 1) / sh;
    lastTargetRow = ((lastRow + 1) * th + sh - 1) / sh - 1;
    // Which source column each target column shows; made again when the
    // target's width changes.
    static std::vector<int> columnOf;
    static int columnsFor = 0;
    if (columnsFor != target->w * 65536 + source->w) {
        columnsFor = target->w * 65536 + source->w;
        columnOf.resize(static_cast<std::size_t>(target->w));
        for (int x = 0; x < target->w; ++x) columnOf[static_cast<std::size_t>(x)] = x * source->w / target->w;
    }
    const std::size_t rowBytes = static_cast<std::size_t>(target->w) * 2;
    int madeFrom = -1;  // the source row the previous target row showed
    for (int y = firstTargetRow; y <= lastTargetRow; ++y) {
        const int sourceRow = y * sh / th;
        if (sourceRow == madeFrom) {
            std::memcpy(target->line[y], target->line[y - 1], rowBytes);
            continue;
        }
        const auto *from = reinterpret_cast<const std::uint16_t *>(source->line[sourceRow]);
        auto *to = reinterpret_cast<std::uint16_t *>(target->line[y]);
        for (std::size_t x = 0; x < columnOf.size(); ++x) to[x] = from[columnOf[x]];
        madeFrom = sourceRow;
    }
}
