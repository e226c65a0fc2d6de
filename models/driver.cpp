#include "driver.h"

#include "derivatives.h"
#include "formula.h"
#include "mineralmodels.h"
#include "reader.h"
#include "report.h"
#include "table.h"

namespace velm {

namespace {

constexpr std::int32_t kFeldspar = 4;

// Closes the four files of a run that ends with an error; what was written
// stays written, and the first error is the one the user sees.
void CloseAfterFailure(RunState& S) {
  for (TextOut* f : {&S.PwzFile, &S.OutFile, &S.TabFile}) {
    try {
      f->Close();
    } catch (const InOutError&) {
    }
  }
  S.InFile.Close();
}

void WritePwzClosing(RunState& S) {
  S.PwzTail = "  q";
  if (S.UsesH2O) S.PwzTail += " H2O";
  if (S.UsesCO2) S.PwzTail += " CO2";
  S.PwzFile.WriteLn(S.PwzTail);
  S.PwzFile.WriteLn("% add your other end-members here");
  S.PwzFile.WriteLn("*");
}

// One analysis with a model: the model, its uncertainties and its report
// block, phasewise line and table column.
void CalculateAnalysis(RunState& S) {
  S.WarnText.clear();
  S.XFe3 = 0;
  // Feldspar: all iron is taken as ferric when the analysis gives none.
  if (S.MinCode == kFeldspar && S.Wt[iFe2O3] == 0) {
    S.Wt[iFe2O3] = double(1.111341L * S.Wt[iFeO]);
    S.Wt[iFeO] = 0;
  }
  CalcModel(S, S.Wt, S.LnA, S.Cat, S.MinCode, S.NEm);
  PropagateUncertainties(S);
  S.OutFile.WriteLn();
  WriteAnalysisReport(S, S.Wt, S.Cat, S.LnA, kOxides, S.NEm, S.OutFile);
  AddTabColumn(S);
}

// An analysis whose code selects no model: its values have been read, so
// the reading stays in step; the report says it was skipped.
void ReportSkipped(RunState& S, const std::string& key) {
  S.OutFile.WriteLn();
  WriteBlockOpening(S.OutFile);
  S.OutFile.WriteLn(key + " " + S.SampleName);
  S.OutFile.WriteLn(kNoModelText);
}

void Run(RunState& S) {
  S.EndOfInput = false;
  InitTables(S);
  S.TabCount = 0;
  S.PwzFile.WriteLn("% phasewise file (requires editing before use)");

  stringvec words{};
  std::int32_t nCol = 0, nw = 0;
  doublevec v{};

  // Header: the first eleven words name the oxides of the first eleven
  // columns; a word that names none, and every further column, is dropped.
  ReadWords(S.InFile, words, nCol);
  if (nCol > kSlots) throw InOutError(kHeaderTooLong);
  for (int i = 1; i <= kOxides; ++i) S.ColOx[i] = FindInList(words[i], S.OxName);
  flagvec named{};
  for (int i = 1; i <= kOxides && i <= nCol; ++i)
    if (S.ColOx[i] <= kOxides) named[S.ColOx[i]] = true;

  while (!S.EndOfInput) {
    // A file without columns and without an end line would otherwise go on
    // reading its last code line for ever.
    const bool exhausted = nCol == 0 && S.InFile.AtEnd();
    ReadWords(S.InFile, words, nw);
    std::string key = words[1];
    StripSeparators(key);
    const std::string typed = key;
    if (key == "*" || exhausted)
      S.MinCode = 0;
    else
      S.MinCode = FindInList(key, S.MinCodeList);

    if (S.MinCode == 0) {
      S.EndOfInput = true;
      AddTabColumn(S);
      break;
    }

    S.SampleName = nw >= 2 ? words[2] : key + " untitled";
    for (int i = 1; i <= nCol; ++i) v[i] = S.InFile.ReadReal();
    S.InFile.SkipLine();
    // Oxides that no column names hold 0, so that one analysis' ferric
    // estimate never reaches the next.
    for (int i = 1; i <= kOxides; ++i)
      if (!named[i]) S.Wt[i] = 0;
    // Negative values (and a negative zero) are taken as 0.
    for (int i = 1; i <= kOxides; ++i) S.Wt[S.ColOx[i]] = v[i] <= 0 ? 0.0 : v[i];
    NormaliseAnalysis(S, S.Wt, kOxides);

    if (ModelFor(S.MinCode))
      CalculateAnalysis(S);
    else
      ReportSkipped(S, typed);
  }

  WritePwzClosing(S);
  S.PwzFile.Close();
  S.OutFile.Close();
  S.InFile.Close();
  S.TabFile.Close();
}

}  // namespace

void CalculateFile(RunState& S, const std::string& inPath, const std::string& base, double P,
                   double TCelsius) {
  try {
    S.InName = inPath;
    S.OutName = base + "_o.txt";
    S.TabName = base + "_tab.txt";
    S.PwzName = base + "_pwz.txt";
    S.InFile.Open(S.InName);
    S.OutFile.Create(S.OutName);
    S.TabFile.Create(S.TabName);
    S.PwzFile.Create(S.PwzName);
    S.P = P;
    S.TK = TCelsius;
    WriteReportHeader(S.OutFile, S.P, S.TK);
    S.TK = S.TK + 273.0;
  } catch (...) {
    CloseAfterFailure(S);
    throw;
  }
  RunCalculation(S);
}

void RunCalculation(RunState& S) {
  try {
    Run(S);
  } catch (...) {
    CloseAfterFailure(S);
    throw;
  }
}

}  // namespace velm
