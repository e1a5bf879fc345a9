#pragma once

// The most memory the process has held in RAM so far, in MiB.
double peakResidentMiB();
