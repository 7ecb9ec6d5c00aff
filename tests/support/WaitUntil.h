// Waiting on a condition without dispatching messages: for threads without windows, and for waits that
// must leave sent messages in the queue.
#pragma once

#include <functional>

// Polls pred() about every millisecond until it holds or nTimeoutMs passed; returns pred()'s last result.
bool WaitUntil(const std::function<bool()>& pred, unsigned nTimeoutMs = 5000);
