#pragma once

#include <QRect>
#include <QWidget>

// The windows are designed in twips, as their layout tables give them. One
// logical pixel is 15 twips; Qt scales logical pixels to the screen's density.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    // Round half away from zero, so a design value on a half pixel lands the
    // same way on both sides of the origin.
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
}

// The rectangle's edges are converted, not its size, so that controls that
// touch in the design (the memory pads, the figure parts) still touch on screen.
constexpr QRect toPixels(int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

inline void place(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(toPixels(left, top, width, height));
}

// For auto-sized labels: the design fixes only where they start.
inline void place(QWidget *control, int left, int top)
{
    control->move(toPixels(left), toPixels(top));
}

} // namespace Twips
