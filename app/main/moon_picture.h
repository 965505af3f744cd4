// Drawing the Moon picture: the phase bitmap cut to its disc, the unlit part
// painted in the background colour, and the key colour replaced.
#pragma once

#include "app/ui/image.h"
#include "core/astro/moon_data.h"

namespace tavro {

// Pixels of exactly RGB(200, 0, 0) mark areas that take the background colour.
inline constexpr ui::Rgb kMoonKeyColour{200, 0, 0};

void ReplaceKeyColour(ui::Image& image, ui::Rgb colour);
// Paints every pixel outside the disc (x - cx)^2 + (cy - y)^2 > R^2.
void LoadMoonDisc(ui::Image& image, int cx, int cy, int r, ui::Rgb colour);

// The finished picture for `picture` from its bitmap. A bitmap that could not
// be loaded (empty) gives a plain picture of the background colour, so a
// missing file never leaves stale or half-drawn pixels.
ui::Image DrawMoonPicture(const MoonPicture& picture, const ui::Image& bitmap, ui::Rgb colour, int maxX, int maxY);

}  // namespace tavro
