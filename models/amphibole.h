// The ferric target of the amphibole model, open to its tests.
#pragma once

#include "calcdata.h"

namespace velm {

// The factor by which an all-ferrous amphibole formula on 23 oxygens is
// scaled before the charge it then lacks is made up by Fe3: the mean of the
// bounds set by the usual normalisations, the 46-charge factor, or 1 (no
// ferric iron).
double AmphiboleFerricTarget(const doublevec& Cat);

}  // namespace velm
