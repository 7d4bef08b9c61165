#pragma once
// Building a large library's records makes hundreds of thousands of small
// allocations, some 200 MB for 100,000 tracks. On 4 KiB pages that is about
// 50,000 page faults, which on a virtual machine cost more than reading the
// caches themselves. glibc backs its heap with transparent huge pages when its
// tunable asks for it, and reads tunables only when a process starts: so the
// program starts itself once more with the tunable set.

namespace vireo {

// Call first in main, before any thread exists. Returns only when no restart
// happens (the system offers no huge pages on request, the user set glibc
// tunables of their own, the restart failed) or in the restarted process,
// which removes the variables again so that the programs it starts do not
// inherit them. VIREO_HUGE_PAGES=0 turns the restart off.
void restartWithHugePageHeap(char **argv);

} // namespace vireo
