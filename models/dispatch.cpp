// The one table that maps a mineral index (its position in the mineral-code
// list) to its model.
#include "mineralmodels.h"

namespace velm {

namespace {

// Position 1..23 of MinCodeList; slot 0 is unused. A model that is not yet
// part of the program dispatches to nothing.
constexpr ModelEntry kModels[kMinerals + 1] = {
    nullptr,
    MuscoviteModel,      //  1 "mu"
    BiotiteModel,        //  2 "bi"
    nullptr,             //  3 "amph"  AmphiboleModel
    nullptr,             //  4 "fsp"   FeldsparModel
    EpidoteModel,        //  5 "ep"
    GarnetModel,         //  6 "g"
    CpxModel,            //  7 "cpx"
    OpxModel,            //  8 "opx"
    nullptr,             //  9 "chl"   ChloriteModel
    nullptr,             // 10 "ta"    TalcModel
    ScapoliteModel,      // 11 "scap"
    OlivineModel,        // 12 "ol"
    ChloritoidModel,     // 13 "ctd"
    CordieriteModel,     // 14 "cd"
    StauroliteModel,     // 15 "st"
    nullptr,             // 16 "sp"    SpinelModel
    CarbonateModel,      // 17 "carb"
    nullptr,             // 18 "ilhem" IlmeniteHematiteModel
    nullptr,             // 19 "spr"   SapphirineModel
    nullptr,             // 20 "osm"   OsumiliteModel
    StilpnomelaneModel,  // 21 "stp"
    nullptr,             // 22 "pmp"   PumpellyiteModel
    nullptr,             // 23 "pre"   PrehniteModel
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
