#pragma once

namespace plat {

// Whether the window takes the whole screen, as the game is meant to be
// played. On the desktop it does. In the page, the canvas already fills the
// page by its style: the browser's own full screen comes only at a gesture,
// and SDL's request for it, held until the first touch, resizes the canvas
// under that very touch, which then lands beside the letter aimed at.
bool window_fills_screen();

}  // namespace plat
