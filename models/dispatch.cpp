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
    nullptr,             //  6 "g"     GarnetModel
    nullptr,             //  7 "cpx"   CpxModel
    nullptr,             //  8 "opx"   OpxModel
    nullptr,             //  9 "chl"   ChloriteModel
    nullptr,             // 10 "ta"    TalcModel
    nullptr,             // 11 "scap"  ScapoliteModel
    OlivineModel,        // 12 "ol"
    nullptr,             // 13 "ctd"   ChloritoidModel
    nullptr,             // 14 "cd"    CordieriteModel
    nullptr,             // 15 "st"    StauroliteModel
    nullptr,             // 16 "sp"    SpinelModel
    nullptr,             // 17 "carb"  CarbonateModel
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
