#pragma once
// Chooses the port behind a port name: the in-process virtual radio or a
// serial device.

#include "link/Port.h"

#include <atomic>
#include <memory>
#include <string>

namespace radio::link {

// `cancel` lets a waiting read give up early once a cancel is requested.
std::unique_ptr<Port> createPort(const std::string& name,
                                 const std::atomic<bool>* cancel = nullptr);

} // namespace radio::link
