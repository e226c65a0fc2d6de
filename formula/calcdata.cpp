#include "calcdata.h"

namespace velm {

namespace {

struct OxideRow {
  const char* oxide;
  const char* cation;
  double molWt;
  int oxygens;
  int cations;
};

// Slot order of the analysis and the formula; names padded to five
// characters so that the report's columns line up.
constexpr OxideRow kOxideTable[kOxides] = {
    {" SiO2", "   Si", 60.09, 2, 1},   {" TiO2", "   Ti", 79.9, 2, 1},
    {"Al2O3", "   Al", 101.94, 3, 2},  {"Cr2O3", "   Cr", 152.02, 3, 2},
    {"Fe2O3", "  Fe3", 159.7, 3, 2},   {"  FeO", "  Fe2", 71.85, 1, 1},
    {"  MnO", "   Mn", 70.94, 1, 1},   {"  MgO", "   Mg", 40.32, 1, 1},
    {"  CaO", "   Ca", 56.08, 1, 1},   {" Na2O", "   Na", 61.98, 1, 2},
    {"  K2O", "    K", 94.2, 1, 2},
};

// Mineral-group codes in model order: the position is the mineral index.
constexpr const char* kMinCodes[kMinerals] = {
    "mu", "bi", "amph", "fsp", "ep",    "g",   "cpx", "opx",
    "chl", "ta", "scap", "ol",  "ctd",   "cd",  "st",  "sp",
    "carb", "ilhem", "spr", "osm", "stp", "pmp", "pre"};

}  // namespace

void InitTables(RunState& S) {
  S.WarnText.clear();
  for (int i = 1; i <= kMinerals; ++i) S.MinCodeList[i] = kMinCodes[i - 1];
  // The look-up of header words strips these names in place; every run
  // starts again from the padded forms.
  for (int i = 1; i <= kOxides; ++i) {
    const OxideRow& row = kOxideTable[i - 1];
    S.OxName[i] = row.oxide;
    S.CatName[i] = row.cation;
    S.MolWt[i] = row.molWt;
    S.OxyPerOxide[i] = row.oxygens;
    S.CatPerOxide[i] = row.cations;
  }
  for (int i = 1; i <= kOxides; ++i) {
    S.LnA[i] = kNoActivity;
    S.Wt[i] = 0.0;
  }
  S.RT = static_cast<double>(8.3143L * S.TK);
  S.UsesH2O = false;
  S.UsesCO2 = false;
}

}  // namespace velm
