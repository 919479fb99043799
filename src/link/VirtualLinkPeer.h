#pragma once
// Whether both ends of tilibs' virtual link cable are open.

// True when the virtual link's shared counter says two ends are open. The
// library itself cannot tell once our end is open: with one end open it sends
// and receives nothing, silently, and its probe only sees the counter exists.
bool virtualLinkHasTwoEnds();
