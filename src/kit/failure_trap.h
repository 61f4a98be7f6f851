#pragma once

#include <utility>

#include "core/capacity_error.h"
#include "kit/messenger.h"

namespace talvera::kit {

// Every computing handler runs inside this trap: an arithmetic failure ends the handler with the
// capacity message and leaves on screen whatever it wrote before.
template <typename Handler>
void runTrapped(const Messenger& messenger, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const core::CapacityError&) {
        messenger.capacityExceeded();
    }
}

}  // namespace talvera::kit
