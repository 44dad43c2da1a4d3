#pragma once
// The gas law calculators.
#include "platform/Forms.h"

#include "gases/frmBoyles.h"
#include "gases/frmCharlesLaw.h"
#include "gases/frmCombinedLaws.h"
#include "gases/frmDalton.h"
#include "gases/frmGasDensity.h"
#include "gases/frmGasLaws.h"
#include "gases/frmGayLussac.h"
#include "gases/frmGrahams.h"
#include "gases/frmIdeal.h"
#include "gases/frmMassVolume.h"
#include "gases/frmMolarVolume.h"
#include "gases/frmMolecularWeight.h"
#include "gases/frmRaoults.h"
#include "gases/frmVolumeVolume.h"

inline void registerGasWindows() {
    TESSIVAL_REGISTER(frmBoyles);
    TESSIVAL_REGISTER(frmCharlesLaw);
    TESSIVAL_REGISTER(frmCombinedLaws);
    TESSIVAL_REGISTER(frmDalton);
    TESSIVAL_REGISTER(frmGasDensity);
    TESSIVAL_REGISTER(frmGasLaws);
    TESSIVAL_REGISTER(frmGayLussac);
    TESSIVAL_REGISTER(frmGrahams);
    TESSIVAL_REGISTER(frmIdeal);
    TESSIVAL_REGISTER(frmMassVolume);
    TESSIVAL_REGISTER(frmMolarVolume);
    TESSIVAL_REGISTER(frmMolecularWeight);
    TESSIVAL_REGISTER(frmRaoults);
    TESSIVAL_REGISTER(frmVolumeVolume);
}
