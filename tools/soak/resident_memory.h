// The process's resident memory as the kernel counts it, in kibibytes.
#pragma once

// VmRSS: resident now. 0 when /proc cannot tell.
long residentKiB();
// VmHWM: the most that was ever resident. 0 when /proc cannot tell.
long peakResidentKiB();
