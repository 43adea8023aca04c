// The face pictogram that pictures a rating on the printed page.
#pragma once

namespace hoshikura {

class CDrawContext;

// The face of rating level 0..6: a circle of radius `size` centred on
// (cx, cy), in black with the context's pen width.
void DrawFace(CDrawContext& dc, int cx, int cy, int size, int level);

}  // namespace hoshikura
