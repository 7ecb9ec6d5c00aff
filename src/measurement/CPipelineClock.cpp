#include "measurement/CPipelineClock.h"

namespace
{
class CSystemClock : public CPipelineClock
{
public:
    __time64_t Now() override { return _time64(nullptr); }
};
} // namespace

CPipelineClock& CPipelineClock::System()
{
    static CSystemClock s_clock;
    return s_clock;
}
