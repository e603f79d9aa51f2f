#include "world/random.h"

#include <cstdlib>

int randomUpTo(int n)
{
    return std::rand() % n + 1;
}
