#include "table.h"

#include <string>

#include "numfmt.h"

namespace velm {

void AddTabColumn(RunState& S) {
  if (!S.EndOfInput) {
    const int c = ++S.TabCount;
    S.TabSample[c] = S.SampleName;
    S.TabMin[c] = S.MinCodeList[S.MinCode];
    for (int i = 1; i <= kOxides; ++i) {
      S.TabWt[i][c] = S.Wt[i];
      S.TabCat[i][c] = S.Cat[i];
    }
    S.TabTotal[c] = S.WtSum;
    S.TabCatSum[c] = S.CatSum;
    S.TabNOx[c] = S.NOx;
  }
  if (S.TabCount == kTabColumns || S.EndOfInput) {
    WriteTabBlock(S);
    S.TabCount = 0;
  }
}

void WriteTabBlock(RunState& S) {
  TextOut& f = S.TabFile;
  const int n = S.TabCount;
  auto cell = [](const std::string& text) { return "\t" + Pad(text, 9); };
  auto row = [&](const std::string& label, auto value) {
    std::string line = Pad(label, 10);
    for (int c = 1; c <= n; ++c) line += cell(value(c));
    f.WriteLn(line);
  };

  for (int i = 0; i < 5; ++i) f.WriteLn();
  row("Sample", [&](int c) { return S.TabSample[c]; });
  row("Min", [&](int c) { return S.TabMin[c]; });
  f.WriteLn();
  for (int i = 1; i <= kOxides; ++i)
    row(S.OxName[i], [&](int c) { return FmtReal(S.TabWt[i][c], 0, 2); });
  f.WriteLn();
  row("Totals", [&](int c) { return FmtReal(S.TabTotal[c], 0, 2); });
  f.WriteLn();
  row("Oxygens", [&](int c) { return FmtReal(S.TabNOx[c], 0, 1); });
  f.WriteLn();
  for (int i = 1; i <= kOxides; ++i)
    row(S.CatName[i], [&](int c) { return FmtReal(S.TabCat[i][c], 0, 3); });
  f.WriteLn();
  row("Sum", [&](int c) { return FmtReal(S.TabCatSum[c], 0, 3); });
}

}  // namespace velm
