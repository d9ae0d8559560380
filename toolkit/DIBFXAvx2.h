#pragma once
// The pixel loops written out in AVX2 instructions, for the processors that have them: the
// compiler does not find saturating byte arithmetic, byte shuffles or a vector grain
// walk on its own. Every loop gives the same bytes as the baseline set and the plain references.

#include "toolkit/DIBFXRows.h"

namespace Vex {

// The AVX2 set, or null where the processor or the build has no AVX2.
const TPixelKernels *Avx2PixelKernels();

// TGrainRandom's SeedBlock and NextBlock.
struct TGrainBlockSteps {
    void (*Seed)(uint16_t *Draws, uint32_t Seed);
    void (*Next)(uint16_t *Draws);
};

// TGrainRandom's block steps in AVX2, or null likewise.
const TGrainBlockSteps *Avx2GrainBlockSteps();

} // namespace Vex
