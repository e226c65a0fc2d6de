// Properties every mineral model must have, checked on the realistic
// analyses of examples/analyses.txt (one per mineral group).
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "calcdata.h"
#include "formula.h"
#include "mineralmodels.h"
#include "reader.h"

namespace velm {
namespace {

struct Example {
  std::string code, label;
  int minCode = 0;
  doublevec wt{};
};

std::string ExamplesPath() { return std::string(VELM_SOURCE_DIR) + "/examples/analyses.txt"; }

// The analyses of the example file, mapped onto the oxide slots by its
// header and normalised as the driver does.
std::vector<Example> LoadExamples() {
  std::vector<Example> out;
  RunState S;
  S.TK = 823;
  InitTables(S);
  TextIn in;
  try {
    in.Open(ExamplesPath());
  } catch (const InOutError&) {
    return out;
  }
  stringvec words{};
  std::int32_t n = 0;
  ReadWords(in, words, n);
  intvec col{};
  for (int i = 1; i <= kOxides; ++i) col[i] = FindInList(words[i], S.OxName);
  const int nCol = n;
  for (;;) {
    ReadWords(in, words, n);
    if (n == 0 || words[1] == "*") break;
    Example e;
    e.code = words[1];
    e.label = n >= 2 ? words[2] : e.code;
    std::string key = e.code;
    e.minCode = FindInList(key, S.MinCodeList);
    doublevec v{};
    for (int i = 1; i <= nCol; ++i) v[i] = in.ReadReal();
    in.SkipLine();
    for (int i = 1; i <= kOxides; ++i) e.wt[col[i]] = v[i];
    NormaliseAnalysis(S, e.wt, kOxides);
    out.push_back(e);
  }
  return out;
}

const std::vector<Example>& Examples() {
  static const std::vector<Example> examples = LoadExamples();
  return examples;
}

// A run state at 6 kbar and 550 degC after one model call on wt.
struct Call {
  RunState S;
  explicit Call(int minCode) {
    S.P = 6;
    S.TK = 823;
    InitTables(S);
    S.MinCode = minCode;
  }
  void Run(const doublevec& wt) {
    S.Wt = wt;
    S.XFe3 = 0;
    S.WarnText.clear();
    CalcModel(S, S.Wt, S.LnA, S.Cat, S.MinCode, S.NEm);
  }
};

class EveryModel : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    if (Examples().empty()) GTEST_SKIP() << "no example file";
    const int index = GetParam();
    if (index >= static_cast<int>(Examples().size())) GTEST_SKIP() << "fewer examples";
    example = &Examples()[index];
    if (!ModelFor(example->minCode)) GTEST_SKIP() << example->code << " has no model yet";
  }
  const Example* example = nullptr;
};

TEST_P(EveryModel, ResultsDoNotDependOnTheAnalysisBefore) {
  Call fresh(example->minCode);
  fresh.Run(example->wt);

  // The same analysis after every other example, each run with its own model.
  for (const Example& other : Examples()) {
    if (!ModelFor(other.minCode)) continue;
    Call after(other.minCode);
    after.Run(other.wt);
    after.S.MinCode = example->minCode;
    after.Run(example->wt);
    SCOPED_TRACE(example->code + " after " + other.code);
    ASSERT_EQ(after.S.NEm, fresh.S.NEm);
    EXPECT_EQ(after.S.ModelText, fresh.S.ModelText);
    EXPECT_EQ(after.S.FerricText, fresh.S.FerricText);
    EXPECT_EQ(after.S.WarnText, fresh.S.WarnText);
    for (int i = 1; i <= kOxides; ++i) EXPECT_EQ(after.S.Cat[i], fresh.S.Cat[i]) << i;
    for (int k = 1; k <= fresh.S.NEm; ++k) {
      EXPECT_EQ(after.S.EmName[k], fresh.S.EmName[k]);
      EXPECT_EQ(after.S.LnA[k], fresh.S.LnA[k]) << fresh.S.EmName[k];
      EXPECT_EQ(after.S.Gamma[k], fresh.S.Gamma[k]) << fresh.S.EmName[k];
    }
  }
}

TEST_P(EveryModel, LnActivitiesStayAtOrAboveTheFloor) {
  Call c(example->minCode);
  c.Run(example->wt);
  EXPECT_GE(c.S.NEm, 1);
  for (int k = 1; k <= c.S.NEm; ++k) {
    const double lnA = c.S.LnA[k];
    SCOPED_TRACE(c.S.EmName[k]);
    // -30 marks an activity below the floor, -20 one the model does not
    // compute for this composition.
    if (lnA == -30.0 || lnA == -20.0) continue;
    EXPECT_GE(lnA, -4.6 * c.S.SiteMult);
    EXPECT_LE(lnA, 1e-12);  // an ideal activity never exceeds 1
    EXPECT_TRUE(std::isfinite(c.S.Gamma[k]));
    EXPECT_GT(c.S.Gamma[k], 0.0);
  }
}

TEST_P(EveryModel, ARepeatedCallNeverEstimatesTwice) {
  Call c(example->minCode);
  c.Run(example->wt);
  const doublevec once = c.S.Wt;
  const doublevec cat = c.S.Cat;
  c.Run(once);
  EXPECT_EQ(c.S.Wt[iFe2O3], once[iFe2O3]);
  EXPECT_EQ(c.S.Wt[iFeO], once[iFeO]);
  if (once[iFe2O3] != example->wt[iFe2O3] || once[iFeO] != example->wt[iFeO]) {
    // The first call made an estimate; the second finds Fe2O3 and makes none.
    EXPECT_EQ(c.S.XFe3, 0.0);
  }
  // The formula of the rewritten analysis is the estimated one, up to the
  // mass factor 1.111341 standing for 159.7 / (2 * 71.85) = 1.111343.
  for (int i = 1; i <= kOxides; ++i) EXPECT_NEAR(c.S.Cat[i], cat[i], 1e-5) << i;
}

INSTANTIATE_TEST_SUITE_P(Examples, EveryModel, ::testing::Range(0, kMinerals));

TEST(ExampleFile, HoldsOneAnalysisOfEveryGroupInModelOrder) {
  if (Examples().empty()) GTEST_SKIP() << "no example file";
  ASSERT_EQ(Examples().size(), static_cast<std::size_t>(kMinerals));
  for (int i = 0; i < kMinerals; ++i) EXPECT_EQ(Examples()[i].minCode, i + 1);
}

}  // namespace
}  // namespace velm
