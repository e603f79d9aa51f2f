#include "resident_memory.h"

#include <malloc.h>

#include <cstdio>
#include <cstring>

namespace {

long statusField(const char *name)
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) return 0;
    char line[256];
    long value = 0;
    const std::size_t length = std::strlen(name);
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::strncmp(line, name, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &value);
            break;
        }
    }
    std::fclose(status);
    return value;
}

}  // namespace

long residentKiB()
{
    return statusField("VmRSS");
}
long peakResidentKiB()
{
    return statusField("VmHWM");
}
long heapInUseKiB()
{
    return static_cast<long>(mallinfo2().uordblks / 1024);
}
