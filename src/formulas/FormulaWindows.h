#pragma once
// The formula, mole and atom windows.
#include "platform/Forms.h"

#include "formulas/fmrMoles.h"
#include "formulas/frmAverageMass.h"
#include "formulas/frmBuildAtoms.h"
#include "formulas/frmMass.h"
#include "formulas/frmMassEnergy.h"
#include "formulas/frmMoleChoice.h"
#include "formulas/frmReactionChoice.h"
#include "formulas/frmReactions.h"
#include "formulas/frmWeightCalculations.h"
#include "formulas/frmWeightChoice.h"
#include "formulas/frmWeights.h"

inline void registerFormulaWindows() {
    TESSIVAL_REGISTER(fmrMoles);
    TESSIVAL_REGISTER(frmAverageMass);
    TESSIVAL_REGISTER(frmBuildAtoms);
    TESSIVAL_REGISTER(frmMass);
    TESSIVAL_REGISTER(frmMassEnergy);
    TESSIVAL_REGISTER(frmMoleChoice);
    TESSIVAL_REGISTER(frmReactionChoice);
    TESSIVAL_REGISTER(frmReactions);
    TESSIVAL_REGISTER(frmWeightCalculations);
    TESSIVAL_REGISTER(frmWeightChoice);
    TESSIVAL_REGISTER(frmWeights);
}
