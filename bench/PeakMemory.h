#pragma once

// The most memory the process has held in RAM since the peak was last reset, in MiB.
double peakResidentMiB();

// Starts a new peak from the memory the process holds now, so that each measurement gets its own.
void resetPeakMemory();
