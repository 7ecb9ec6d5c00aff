// Message pumping for window tests.
#pragma once

#include <functional>

// Dispatches the calling thread's messages until pred() holds or nTimeoutMs passed; returns pred().
bool PumpUntil(const std::function<bool()>& pred, unsigned nTimeoutMs = 5000);
// Dispatches what is queued now (and what that posts) for about nMs milliseconds.
void PumpFor(unsigned nMs);
