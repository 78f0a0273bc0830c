#pragma once

namespace solario {

// Hands the memory the program freed back to the system, so that after a large print
// the program's size goes back down (the C library otherwise keeps it for later use).
void GiveBackFreeMemory();

// The program's resident memory now and at its peak, in bytes (0 where unknown).
long long ResidentBytes();
long long PeakResidentBytes();

} // namespace solario
