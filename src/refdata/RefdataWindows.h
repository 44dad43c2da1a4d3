#pragma once
// The reference tables and periodic tables (the charts register apart,
// registerChartWindows).
#include "platform/Forms.h"

#include "refdata/periodic/frmPeriodic.h"
#include "refdata/periodic/frmPeriodicData.h"
#include "refdata/periodic/frmTableChoice.h"
#include "refdata/viewers/OptionHubForm.h"
#include "refdata/viewers/Viewers.h"

inline void registerRefdataWindows() {
    TESSIVAL_REGISTER(frmAffinities);
    TESSIVAL_REGISTER(frmAtomicData);
    TESSIVAL_REGISTER(frmBonds);
    TESSIVAL_REGISTER(frmCharacter);
    TESSIVAL_REGISTER(frmConstants);
    TESSIVAL_REGISTER(frmEnthalpies);
    TESSIVAL_REGISTER(frmExtra2);
    TESSIVAL_REGISTER(frmExtraData);
    TESSIVAL_REGISTER(frmHalfLives);
    TESSIVAL_REGISTER(frmIonization);
    TESSIVAL_REGISTER(frmMiscellaneous);
    TESSIVAL_REGISTER(frmPeriodic);
    TESSIVAL_REGISTER(frmPeriodicData);
    TESSIVAL_REGISTER(frmRadii);
    TESSIVAL_REGISTER(frmSolConstants);
    TESSIVAL_REGISTER(frmSpecificHeats);
    TESSIVAL_REGISTER(frmStandard);
    TESSIVAL_REGISTER(frmTableChoice);
    TESSIVAL_REGISTER(frmThermodynamics);
    TESSIVAL_REGISTER(frmVaporPressure);
    TESSIVAL_REGISTER(frmelectronegativities);
}
