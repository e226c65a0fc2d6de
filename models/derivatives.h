// Analytical uncertainties carried through a model: forward-difference
// derivatives of the model's ln activities and cations with respect to the
// oxides, and the propagation of independent oxide variances.
#pragma once

#include <cstdint>

#include "calcdata.h"

namespace velm {

// Fills J[1..ny][1..nx] with the derivatives of the model's output (mode 1:
// ln activities, mode 2: cations) with respect to the oxides X, by running
// the model once per flagged oxide on a copy raised by a small step.
void ModelJacobian(RunState& S, doublevec X, doublevec Y0, const flagvec& XOn,
                   const flagvec& YOn, std::int32_t nx, std::int32_t ny, doublemat& J,
                   std::int32_t MinCode, std::int32_t Mode);

// out[j] := sum over flagged i of J[j][i]^2 v[i], for every flagged output j.
void PropagateVariance(const doublevec& v, const doublemat& J, doublevec& out,
                       const flagvec& onIn, const flagvec& onOut, std::int32_t nIn,
                       std::int32_t nOut);

// After the model has run on the analysis: oxide variances, derivatives,
// ln activities turned into activities, and the variances of the
// activities (AVar) and of the cations (CatVar). The model's shared results
// (texts, names, counts, coefficients, sums) are those of the analysis' own
// model call afterwards, not those of the last perturbed call.
void PropagateUncertainties(RunState& S);

}  // namespace velm
