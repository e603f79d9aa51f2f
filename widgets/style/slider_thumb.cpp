#include "widgets/style/slider_thumb.h"

int slider_thumb_pos(int travel, int max, int value)
{
    if (max <= 0) return 0;
    // 64-bit so a value beyond the maximum cannot overflow the product.
    const long long ratio = (static_cast<long long>(travel) * 65536) / max;
    const long long product = ratio * value;
    return static_cast<int>((product >> 16) + ((product & 0x8000) >> 15));
}

SliderThumbRect slider_thumb_rect(const DIALOG *d)
{
    const bool vertical = d->h >= d->w;  // a square slider is vertical
    const int pos = slider_thumb_pos((vertical ? d->h : d->w) - 32, d->d1, d->d2);
    if (vertical) return SliderThumbRect{d->x + 2, d->y + d->h - pos - 30, d->w - 4, 28};
    return SliderThumbRect{d->x + pos + 2, d->y + 2, 28, d->h - 4};
}
