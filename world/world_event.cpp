#include "world/world_event.h"

namespace {

std::vector<WorldEvent> &pendingEvents()
{
    static std::vector<WorldEvent> events;
    return events;
}

}  // namespace

void reportWorldEvent(const WorldEvent &event)
{
    pendingEvents().push_back(event);
}

std::vector<WorldEvent> takeWorldEvents()
{
    std::vector<WorldEvent> taken;
    taken.swap(pendingEvents());
    return taken;
}

void clearWorldEvents()
{
    pendingEvents().clear();
}
