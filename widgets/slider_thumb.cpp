#include "widgets/slider_thumb.h"

int slider_thumb_pos(int travel, int max, int value)
{
    if (max <= 0) return 0;
    // 64-bit so a value beyond the maximum cannot overflow the product.
    const long long ratio = (static_cast<long long>(travel) * 65536) / max;
    const long long product = ratio * value;
    return static_cast<int>((product >> 16) + ((product & 0x8000) >> 15));
}
