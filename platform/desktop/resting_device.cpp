#include "platform/resting_device.h"

namespace plat {

bool rest_open_device() { return false; }

// Never called: a device that does not rest open is reopened instead.
void wake_resting_device() {}

}  // namespace plat
