// Shared run state of the activity-composition calculator: the array types
// that the whole program passes around, the constant oxide and mineral-code
// tables, and everything one run of an analysis file reads and writes.
//
// Every vector keeps the 1-based slots 1..25 that the recalculation is
// written in (slot 0 exists but is never used), so that model code reads
// like its recipe: Wt[iFeO], Cat[iMg], LnA[1].
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "textfile.h"

namespace velm {

// Extended precision: sums, products and quotients of the recalculation are
// formed in this type; stored values are doubles.
using ext = long double;

constexpr int kSlots = 25;

using doublevec = std::array<double, kSlots + 1>;
using doublemat = std::array<doublevec, kSlots + 1>;
using stringvec = std::array<std::string, kSlots + 1>;
using flagvec = std::array<bool, kSlots + 1>;
using intvec = std::array<std::int32_t, kSlots + 1>;

// Oxide slots (weight percent) and the cation slots that belong to them.
constexpr int iSiO2 = 1, iTiO2 = 2, iAl2O3 = 3, iCr2O3 = 4, iFe2O3 = 5, iFeO = 6,
              iMnO = 7, iMgO = 8, iCaO = 9, iNa2O = 10, iK2O = 11;
constexpr int iSi = 1, iTi = 2, iAl = 3, iCr = 4, iFe3 = 5, iFe2 = 6, iMn = 7,
              iMg = 8, iCa = 9, iNa = 10, iK = 11;

constexpr int kOxides = 11;      // oxides of an analysis, cations of a formula
constexpr int kMinerals = 23;    // mineral-group codes with a model
constexpr int kTabColumns = 8;   // analyses per block of the table file

// The ln activity that marks an end-member with no value (and, after the
// conversion to activities, an activity of 0).
constexpr double kNoActivity = -20.0;

struct RunState {
  // Constant tables, rebuilt by InitTables at every run.
  stringvec OxName{}, CatName{}, MinCodeList{};
  doublevec MolWt{};
  intvec OxyPerOxide{}, CatPerOxide{};

  // The analysis and its formula.
  doublevec Wt{};   // oxide weight percent
  doublevec Cat{};  // cations per formula unit
  double WtSum = 0, CatSum = 0, NOx = 0;
  double XFe3 = 0;  // Fe3/(Fe2+Fe3) of the last charge-balance estimate
  std::int32_t MinCode = 0;

  // Results of the current model.
  std::int32_t NEm = 0, SiteMult = 0;
  stringvec EmName{};
  doublevec LnA{}, Gamma{};
  std::string ModelText, FerricText, WarnText;
  bool UsesH2O = false, UsesCO2 = false;

  // Uncertainties and derivatives.
  doublevec WtVar{}, AVar{}, CatVar{};
  doublemat JacA{}, JacCat{};
  flagvec WtOn{}, LnAOn{}, CatOn{};

  // Conditions: P in kbar; TK in degrees Celsius after an edit of the
  // temperature box and in kelvin from the start of a run.
  double P = 0, TK = 0, RT = 0;

  // Input reading.
  std::string SampleName;
  bool EndOfInput = false;
  intvec ColOx{};

  // Table buffer: up to eight analyses side by side.
  std::array<std::string, 11> TabSample{}, TabMin{};
  doublemat TabWt{}, TabCat{};
  doublevec TabTotal{}, TabCatSum{}, TabNOx{};
  std::int32_t TabCount = 0;

  // The four files of a run and their names.
  TextIn InFile;
  TextOut OutFile, TabFile, PwzFile;
  std::string InName, OutName, TabName, PwzName;
  std::string PwzTail;

  // Scratch values of the report writer and of the activity conversion.
  double ActSd = 0, ActTmp = 0;
};

// Per-run set-up: the oxide, cation and mineral-code tables, the oxide values
// and ln activities of slots 1..11, RT from the run's temperature in kelvin,
// and the fluid flags.
void InitTables(RunState& S);

}  // namespace velm
