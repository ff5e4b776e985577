// The drawing primitives of the game window: the map copy, masked sprites, the present.
#pragma once
#include "platform/core/checked.hpp"
#include "platform/core/surface.hpp"

namespace game {

using platform::i16;
using platform::i32;
using platform::Surface;

void BlitMapView(i32 mapX, i32 mapY, i16 viewHeight, i16 viewWidth, const Surface& source,
                 Surface& destination);
void PresentFrame();
// Mask with AND first, then the sprite with OR, onto the back buffer.
void BlitPlayerSprite(i32 x, i32 y, i16 width, i16 height, const Surface& sprite,
                      const Surface& mask);
void BlitShotSprite(i32 x, i32 y, i16 width, i16 height, const Surface& sprite,
                    const Surface& mask);
void BlitEnemySprite(i32 x, i32 y, i16 width, i16 height, const Surface& sprite,
                     const Surface& mask);

// The raster surface of the level map picture in the picture store.
Surface& MapPictureSurface();

}  // namespace game
