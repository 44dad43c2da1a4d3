#pragma once
// The solution, energy and equilibrium windows.
#include "platform/Forms.h"

#include "solutions/frmAcids.h"
#include "solutions/frmChangeOfState.h"
#include "solutions/frmEnergy.h"
#include "solutions/frmEnergyChange.h"
#include "solutions/frmEquilibriumConstant.h"
#include "solutions/frmFaradays.h"
#include "solutions/frmFreezing.h"
#include "solutions/frmHalfLife.h"
#include "solutions/frmHenrys.h"
#include "solutions/frmMolarity.h"
#include "solutions/frmMoleFraction.h"
#include "solutions/frmSolubilityConstants.h"
#include "solutions/frmSolutions.h"
#include "solutions/frmThermoData.h"
#include "solutions/frmTitration.h"
#include "solutions/frmionizationConstant.h"

inline void registerSolutionWindows() {
    TESSIVAL_REGISTER(frmAcids);
    TESSIVAL_REGISTER(frmChangeOfState);
    TESSIVAL_REGISTER(frmEnergy);
    TESSIVAL_REGISTER(frmEnergyChange);
    TESSIVAL_REGISTER(frmEquilibriumConstant);
    TESSIVAL_REGISTER(frmFaradays);
    TESSIVAL_REGISTER(frmFreezing);
    TESSIVAL_REGISTER(frmHalfLife);
    TESSIVAL_REGISTER(frmHenrys);
    TESSIVAL_REGISTER(frmMolarity);
    TESSIVAL_REGISTER(frmMoleFraction);
    TESSIVAL_REGISTER(frmSolubilityConstants);
    TESSIVAL_REGISTER(frmSolutions);
    TESSIVAL_REGISTER(frmThermoData);
    TESSIVAL_REGISTER(frmTitration);
    TESSIVAL_REGISTER(frmionizationConstant);
}
