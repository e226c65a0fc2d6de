// The one table that maps a mineral index (its position in the mineral-code
// list) to its model.
#include "mineralmodels.h"

namespace velm {

namespace {

// Position 1..23 of MinCodeList; slot 0 is unused.
constexpr ModelEntry kModels[kMinerals + 1] = {
    nullptr,
    MuscoviteModel,      //  1 "mu"
    BiotiteModel,        //  2 "bi"
    AmphiboleModel,      //  3 "amph"
    FeldsparModel,       //  4 "fsp"
    EpidoteModel,        //  5 "ep"
    GarnetModel,         //  6 "g"
    CpxModel,            //  7 "cpx"
    OpxModel,            //  8 "opx"
    ChloriteModel,       //  9 "chl"
    TalcModel,           // 10 "ta"
    ScapoliteModel,      // 11 "scap"
    OlivineModel,        // 12 "ol"
    ChloritoidModel,     // 13 "ctd"
    CordieriteModel,     // 14 "cd"
    StauroliteModel,     // 15 "st"
    SpinelModel,         // 16 "sp"
    CarbonateModel,      // 17 "carb"
    IlmeniteHematiteModel,  // 18 "ilhem"
    SapphirineModel,     // 19 "spr"
    OsumiliteModel,      // 20 "osm"
    StilpnomelaneModel,  // 21 "stp"
    PumpellyiteModel,    // 22 "pmp"
    PrehniteModel,       // 23 "pre"
};

}  // namespace

ModelEntry ModelFor(std::int32_t MinCode) {
  if (MinCode < 1 || MinCode > kMinerals) return nullptr;
  return kModels[MinCode];
}

void CalcModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
               std::int32_t MinCode, std::int32_t& NEm) {
  if (ModelEntry model = ModelFor(MinCode)) model(S, Wt, LnA, Cat, NEm);
}

}  // namespace velm
