// The activity-composition models of the 23 mineral groups and the
// dispatcher that runs the model of a mineral index.
//
// Every model takes the analysis (Wt, in/out: only its FeO and Fe2O3 change,
// through a ferric estimate), writes the ln ideal activities of its end-
// members (LnA), the formula (Cat) and the number of reported end-members
// (NEm), and sets the shared results of the run state: texts, oxygen basis,
// site multiplicity, end-member names and activity coefficients.
#pragma once

#include <cstdint>

#include "calcdata.h"

namespace velm {

using ModelEntry = void (*)(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
                            std::int32_t& NEm);

// Runs the model at position MinCode (1..23) of the mineral-code list; any
// other index runs nothing and leaves every output as it was.
void CalcModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat,
               std::int32_t MinCode, std::int32_t& NEm);

// The model entry of a mineral index, or nullptr.
ModelEntry ModelFor(std::int32_t MinCode);

void MuscoviteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void BiotiteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void AmphiboleModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void FeldsparModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void EpidoteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void GarnetModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void CpxModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void OpxModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void ChloriteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void TalcModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void ScapoliteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void OlivineModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void ChloritoidModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void CordieriteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void StauroliteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void SpinelModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void CarbonateModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void IlmeniteHematiteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void SapphirineModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void OsumiliteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void StilpnomelaneModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void PumpellyiteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);
void PrehniteModel(RunState& S, doublevec& Wt, doublevec& LnA, doublevec& Cat, std::int32_t& NEm);

}  // namespace velm
