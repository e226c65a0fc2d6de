// Structural formulae from oxide analyses: cation input turned into weight
// percent, cations on an oxygen basis or on a cation total, and the
// charge-balance estimate of ferric iron.
#pragma once

#include <cstdint>

#include "calcdata.h"

namespace velm {

// An analysis whose first n values total less than 45 is read as cations
// per formula unit and turned into oxide weight percent summing to 100.
// Sets WtSum.
void NormaliseAnalysis(RunState& S, doublevec& w, std::int32_t n);

// Cations per formula unit on a basis of nOx oxygens. Sets WtSum, CatSum.
void CationsPerOxygens(RunState& S, const doublevec& wt, doublevec& cat, double nOx,
                       std::int32_t n);

// Cations normalised to a total of nCat. Sets WtSum, CatSum.
void CationsPerCations(RunState& S, const doublevec& wt, doublevec& cat, double nCat,
                       std::int32_t n);

// Ferric iron by charge balance on a formula whose iron all stands as Fe2:
// the formula is scaled so that the caller's sum cur reaches target, the
// missing positive charge against 2*nOx comes from oxidising Fe2, and the
// ferric share is capped at maxRatio. Rewrites cat, CatSum, XFe3 and the FeO
// and Fe2O3 of the analysis.
void FerricFromCharge(RunState& S, doublevec& wt, doublevec& cat, double cur, double target,
                      double nOx, double maxRatio);

}  // namespace velm
