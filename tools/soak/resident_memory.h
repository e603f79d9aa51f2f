// The process's resident memory as the kernel counts it, in kibibytes.
#pragma once

// VmRSS: resident now. 0 when /proc cannot tell.
long residentKiB();
// VmHWM: the most that was ever resident. 0 when /proc cannot tell.
long peakResidentKiB();
// Bytes the C++ heap holds for live allocations (glibc's mallinfo2): unlike
// the resident size it does not keep the high-water mark of the heap, so a
// leak shows in it and an allocator that keeps freed pages does not.
long heapInUseKiB();
