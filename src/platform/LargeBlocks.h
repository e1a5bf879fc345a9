#pragma once

// Has the process take every large block (a listing of a million names, its sort keys, a run's
// record, a folder's copy) from the system on its own and give it back whole once freed, instead
// of keeping freed blocks for later use. Without it, the copy a check frees stays in the process
// while the run that follows builds its record beside it. Called once, first thing in main.
// A port implements this (Linux: LargeBlocks_linux.cpp).
void returnLargeBlocksToSystem();
