// The ordering of ferric iron between the M1 and M3 octahedra of epidote:
// its equilibrium condition, and the bisection that finds the order
// parameter Q as the root of that condition.
#pragma once

#include <iostream>

namespace velm {

// The twelve parameters of the ordering condition, in the order they are
// handed to it. Their roles are those of the epidote model; the condition
// itself holds for any values.
struct EpOrderArgs {
  double m1 = 1.0, m2 = 1.0;     // multiplicities of the two sites
  double TK = 0;                 // temperature, K
  double dH = 0;                 // enthalpy of ordering, J
  double a5 = 0, a6 = 0, a7 = 0; // coefficients of the term in q3, J
  double Wef = 0;                // W(ep,fep), J
  double Wcf = 0;                // W(cz,fep), J
  double Wce = 0;                // W(cz,ep), J
  double q3 = 0;                 // third composition term
  double f = 0;                  // ferric iron per site
};

// The equilibrium condition of ordering at order parameter x: zero when the
// distribution of Fe3 between the two sites is at equilibrium.
double EpOrderFunc(const EpOrderArgs& a, double x);

// A root of EpOrderFunc in x between x1 and x2 by bisection, to within xacc
// on the step. A bracket without a change of sign, or 40 halvings without
// convergence, is reported on out with a pause: one line is read from in
// (at once at the end of input) before the search goes on.
double RTBIS(const EpOrderArgs& a, double x1, double x2, double xacc,
             std::ostream& out = std::cout, std::istream& in = std::cin);

}  // namespace velm
