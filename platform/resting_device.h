#pragma once

namespace plat {

// How a sound device rests between two sounds, on this platform.
// On the desktop it is closed: SDL's sound thread keeps waking to feed an
// open device silence, paused or not. In the page, closing it would throw
// away the browser's audio context and the next sound would build a new
// one, which costs the page more than the silence; there the device stays
// open and its context is suspended.
// True when the open device now rests; false when the caller must close it.
bool rest_open_device();
// The next sound is about to play on a device put to rest open.
void wake_resting_device();

}  // namespace plat
