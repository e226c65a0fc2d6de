// Epidote: the ordering of ferric iron between the M1 and M3 octahedra,
// kept apart from the model so that its thresholds and its pauses can be
// checked on their own.
#pragma once

#include <iostream>

namespace velm {

// The order parameter Q of Fe3 between M1 and M3 at temperature TK (K) and
// ferric iron f per site: 0 for f below 0.01 or above 0.99, else the root
// of the ordering condition, clamped to the sites' room. The root finder's
// pauses go to out and read from in.
double EpidoteOrder(double TK, double f, std::ostream& out = std::cout,
                    std::istream& in = std::cin);

}  // namespace velm
