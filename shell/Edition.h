#pragma once

namespace quorvel {

// The four editions, as the chooser starts them and the version panel
// shows them; None is the panel opened without one (the universal panel).
enum class Edition { None = 0, Personal = 1, Group = 2, MultiUser = 3, MultiGroup = 4 };

}  // namespace quorvel
