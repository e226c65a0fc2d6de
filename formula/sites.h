// Site allocation from cation pools, the floored logarithm of an ideal
// activity, and the asymmetric-formalism activity-coefficient term.
#pragma once

#include <cstdint>

#include "calcdata.h"

namespace velm {

// Places cations from pool onto a site of multiplicity k, up to the site
// fraction want. Returns the fraction placed and lowers the pool (a
// negative pool is set to 0).
double TakeSites(double& pool, double k, double want);

// Shares the room of one site between the pools A and B in the ratio of
// their amounts; outA and outB are the fractions placed from each.
void SplitSites(double& A, double& B, double& outA, double& outB, double k, double room);

// The ln activity that marks an end-member as absent.
constexpr double kAbsentLn = -30.0;

// ln x, or -30 when x < 1e-20 or ln x < -4.6 n (an activity too small for a
// model of site multiplicity n).
double SafeLn(double x, std::int32_t n);

// RT ln gamma of end-member k of n by the asymmetric formalism, from the
// interaction energies W[i][j] (i < j), the size parameters alpha and the
// proportions x. With every alpha 1 it is the symmetric formalism.
double AsfRTLnGamma(std::uint8_t k, const doublemat& W, const doublevec& alpha,
                    const doublevec& x, std::uint8_t n);

}  // namespace velm
