// A fixture for model tests: a run state at 6 kbar and 550 degC with its
// tables set up, and an analysis built from cations per formula unit.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "calcdata.h"
#include "mineralmodels.h"

namespace velm::test {

class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    S.P = 6.0;
    S.TK = 823.0;
    InitTables(S);
  }

  // Oxide weight percent of a formula given as cations (Si, Ti, Al, Cr, Fe3,
  // Fe2, Mn, Mg, Ca, Na, K by slot): grams of each oxide per formula unit.
  doublevec FromCations(const std::map<int, double>& cations) const {
    doublevec wt{};
    for (auto [slot, n] : cations) wt[slot] = n * S.MolWt[slot] / S.CatPerOxide[slot];
    return wt;
  }

  // Runs the model of a code on wt; results land in S.Wt, S.LnA, S.Cat.
  void Run(int minCode, const doublevec& wt) {
    S.Wt = wt;
    S.XFe3 = 0;
    S.WarnText.clear();
    S.MinCode = minCode;
    CalcModel(S, S.Wt, S.LnA, S.Cat, minCode, S.NEm);
  }

  double Activity(int slot) const { return std::exp(S.LnA[slot]); }
  double GammaFromRTLn(double rtLnGamma) const { return std::exp(rtLnGamma / S.RT); }

  RunState S;
};

}  // namespace velm::test
