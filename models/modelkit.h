// Pieces that every activity-composition model repeats: the end-member
// names, the interaction block of the asymmetric formalism, the loop that
// turns its RT ln gamma into activity coefficients, the ferric guard and the
// share of one cation in a pair.
#pragma once

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "calcdata.h"
#include "formula.h"
#include "sites.h"

namespace velm {

// Names end-member slots 1, 2, ... in order.
inline void NameEndMembers(RunState& S, std::initializer_list<const char*> names) {
  int slot = 1;
  for (const char* name : names) S.EmName[slot++] = name;
}

// Gamma[k] := 1 for k = 1..n.
inline void IdealGammas(RunState& S, int n) {
  for (int k = 1; k <= n; ++k) S.Gamma[k] = 1.0;
}

// Interaction energies W[i][j] (i < j) in J, size parameters alpha (1 unless
// set) and the proportions p that enter the activity coefficients. Every
// entry starts at 0 (alpha at 1), so no result depends on an unset local.
struct Asf {
  doublemat W{};
  doublevec alpha;
  doublevec p{};
  Asf() { alpha.fill(1.0); }

  // A W entry given in kJ, stored in J.
  void SetKJ(int i, int j, ext kJ) { W[i][j] = double(kJ * 1000.0L); }
};

// exp(x / RT), the quotient and the exponential in extended precision.
inline double ExpOverRT(const RunState& S, ext x) {
  return double(std::exp(x / ext(S.RT)));
}

// Gamma[k] := exp(AsfRTLnGamma(k, W, alpha, p, n) / RT) for k = from..to.
inline void AsfGammas(RunState& S, const Asf& m, int from, int to, int n) {
  for (int k = from; k <= to; ++k)
    S.Gamma[k] = ExpOverRT(S, AsfRTLnGamma(static_cast<std::uint8_t>(k), m.W, m.alpha, m.p,
                                           static_cast<std::uint8_t>(n)));
}

// The ferric guard shared by the models with a charge-balance estimate: only
// an analysis that gives all iron as FeO, and whose sum exceeds the target,
// gets an estimate, so the estimate is never made twice for one analysis.
inline void FerricGuard(RunState& S, doublevec& Wt, doublevec& Cat, double sum, ext target,
                        double nOx, double maxRatio) {
  if (Wt[iFe2O3] == 0 && ext(sum) > target && Wt[iFeO] > 0)
    FerricFromCharge(S, Wt, Cat, sum, double(target), nOx, maxRatio);
}

// The share a / (a + b) of a in a pair of cations, and the rest 1 - share.
// With both cations absent there is nothing to share: both are 0, so no
// end-member of an absent cation gets an activity and the coefficients of
// the others stay finite.
struct PairShare {
  double x;     // a / (a + b)
  double rest;  // 1 - x
  // 1 - x unrounded, for products that keep extended precision.
  ext RestExt() const { return rest == 0 ? 0.0L : 1.0L - x; }
};
inline PairShare ShareOf(double a, double b) {
  if (a == 0 && b == 0) return {0.0, 0.0};
  const double x = double(ext(a) / (ext(a) + b));
  return {x, double(1.0L - x)};
}

}  // namespace velm
