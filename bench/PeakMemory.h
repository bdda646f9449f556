#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

// Ends a start-up benchmark program: prints its own peak resident memory in KiB (the
// kernel's VmHWM, which, unlike the exit status's usage, is not muddled by the parent
// that spawned it) and exits at once.
[[noreturn]] inline void reportPeakAndExit()
{
    long peakKiB = -1;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                peakKiB = std::strtol(line + 6, nullptr, 10);
        std::fclose(status);
    }
    std::printf("%ld\n", peakKiB);
    std::fflush(stdout);
    std::_Exit(0);
}
