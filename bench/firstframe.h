#pragma once
// Measuring points shared by the bench programs. Every report is one line of key=value pairs on
// standard output, read by bench_launch.
#include <QString>

#include <cstdint>
#include <functional>

namespace bench {

// CLOCK_MONOTONIC in nanoseconds: the launcher reads the same clock before it starts a program.
std::int64_t MonotonicNs();

// CPU time used so far by all threads of this process, in nanoseconds.
std::int64_t ProcessCpuNs();

// Resident memory of this process (VmRSS) in kB.
long ResidentKb();

// Watches for the first paint of the program's main window (its QMainWindow). Once that frame has
// been handed to the window system and the server has taken it (one round trip), prints
// "first_frame_ns=<monotonic> rss_kb=<VmRSS> cpu_ms=<CPU time of the process>
// paint_begins_ns=<monotonic of the frame's first paint event>" and the pairs that extraPairs
// gives then, and ends the process at once, without teardown or unload. The CPU time tells how
// much of the time to the frame was spent computing rather than waiting.
void ReportFirstFrame(std::function<QString()> extraPairs = {});

// Marks the end of a start-up step. Under callgrind (bench/profile.sh) it ends a part of the
// profile named after the step, so that each step's instructions are counted on their own;
// otherwise it does nothing.
void MarkStep(const char* step);

// Prints one report line and flushes it.
void Report(const QString& pairs);

} // namespace bench
