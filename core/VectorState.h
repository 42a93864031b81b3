#pragma once
// The drawing library's fast paths may leave the upper halves of the x86
// vector registers in use. Until they are cleared, every scalar SSE
// instruction of the engine's value loop carries a false dependency on them,
// which makes a run that follows any painting two to three times slower.

// Clears them (vzeroupper) on a processor that has them; elsewhere nothing.
void ClearUpperVectorState();
