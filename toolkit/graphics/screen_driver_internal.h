// The screen driver's parts, as its dispatch calls them.
#pragma once

namespace tess {

// Operation 24: clips the drawing context to the graphics area's viewport, or removes the clip
// when the area covers the whole window.
void apply_area_clip();
// Operations 21, 25 and 33: the character cells and the font of graphics text.
void character_metrics();
// Replaces the pen by one of the current colour and line style, selected into the context.
void replace_pen();

} // namespace tess
