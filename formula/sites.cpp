#include "sites.h"

#include <cmath>

namespace velm {

double TakeSites(double& pool, double k, double want) {
  if (pool <= 0 || want <= 0) {
    if (pool < 0) pool = 0;
    return 0;
  }
  // Compared without rounding the product, so that a pool of exactly
  // want*k takes the whole want and is left at 0.
  if (ext(pool) >= ext(want) * k) {
    pool = double(ext(pool) - ext(want) * k);
    return want;
  }
  const double placed = double(ext(pool) / k);
  pool = 0;
  return placed;
}

void SplitSites(double& A, double& B, double& outA, double& outB, double k, double room) {
  if (A <= 0) {
    outA = 0;
    outB = TakeSites(B, k, room);
    return;
  }
  if (B <= 0) {
    outA = TakeSites(A, k, room);
    outB = 0;
    return;
  }
  const double r = double(ext(B) / A);
  const double onePlusR = double(1.0L + r);
  double t = double(ext(room) / onePlusR);  // A's share of the room
  const double a = double(ext(A) / k);
  outA = TakeSites(t, 1.0, a);
  A = double(ext(A) - ext(outA) * k);
  outB = double(ext(r) * outA);
  B = double(ext(B) - ext(outB) * k);
}

double SafeLn(double x, std::int32_t n) {
  if (ext(x) < 1e-20L) return kAbsentLn;
  const double L = double(std::log(ext(x)));
  if (ext(L) < -4.6L * n) return kAbsentLn;
  return L;
}

double AsfRTLnGamma(std::uint8_t k, const doublemat& W, const doublevec& alpha,
                    const doublevec& x, std::uint8_t n) {
  double s = 0;
  for (int i = 1; i <= n; ++i) s = double(ext(s) + ext(alpha[i]) * x[i]);
  doublevec q{};
  for (int i = 1; i <= n; ++i) {
    const double phi = double(ext(alpha[i]) * x[i] / s);
    q[i] = (i == k) ? double(1.0L - phi) : -phi;
  }
  double result = 0;
  for (int i = 1; i <= n; ++i)
    for (int j = i + 1; j <= n; ++j)
      result = double(ext(result) - ext(q[j]) * q[i] * W[i][j] * 2.0L * alpha[k] /
                                        (ext(alpha[j]) + alpha[i]));
  return result;
}

}  // namespace velm
