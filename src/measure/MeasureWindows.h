#pragma once
// The measurement and unit conversion windows.
#include "platform/Forms.h"

#include "measure/frmDensity.h"
#include "measure/frmEnglish.h"
#include "measure/frmGeneralChoice.h"
#include "measure/frmMassToWeight.h"
#include "measure/frmMetrics.h"
#include "measure/frmSigfig.h"
#include "measure/frmTemperatures.h"
#include "measure/frmTime.h"
#include "measure/frmVolume.h"

inline void registerMeasureWindows() {
    TESSIVAL_REGISTER(frmDensity);
    TESSIVAL_REGISTER(frmEnglish);
    TESSIVAL_REGISTER(frmGeneralChoice);
    TESSIVAL_REGISTER(frmMassToWeight);
    TESSIVAL_REGISTER(frmMetrics);
    TESSIVAL_REGISTER(frmSigfig);
    TESSIVAL_REGISTER(frmTemperatures);
    TESSIVAL_REGISTER(frmTime);
    TESSIVAL_REGISTER(frmVolume);
}
