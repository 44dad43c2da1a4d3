#pragma once
// Every message text a window can show in a box, as the user manual's checks
// quote them: what the window declares (its checks, key filter and trap)
// and, from the table below, what it shows outside its declared checks.
// A placeholder in angle brackets stands for the part that varies.
#include <QHash>
#include <QStringList>

#include "platform/Forms.h"

namespace TestSupport {

inline const QHash<QString, QStringList>& extraMessageTexts() {
    static const QString noWaterEntry = QStringLiteral(
        "The water vapor pressure table has no entry for <t> degrees Celsius. It lists whole degrees from 0 to 100.");
    static const QHash<QString, QStringList> table{
        {QStringLiteral("frmCombinedLaws"),
         {noWaterEntry,
          QStringLiteral("The original pressure must be larger than the water vapor pressure at this temperature.")}},
        {QStringLiteral("frmRaoults"), {noWaterEntry}},
        {QStringLiteral("frmDalton"),
         {noWaterEntry,
          QStringLiteral("The total pressure must be larger than the water vapor pressure at this temperature.")}},
        {QStringLiteral("fmrMoles"), {QStringLiteral("List Selection Error")}},
        {QStringLiteral("frmBuildAtoms"),
         {QStringLiteral("You must have an energy level before you can add electrons."),
          QStringLiteral("You cannot have more than 109  protons or electrons."),
          QStringLiteral("You must remove all electrons before removing an energy level.")}},
        {QStringLiteral("frmTemperatures"), {QStringLiteral("The temperature is below absolute zero.")}},
        {QStringLiteral("frmReactions"), {QStringLiteral("The character <c> cannot be part of a formula.")}},
    };
    return table;
}

inline QStringList messageTexts(const Form* form) {
    QStringList all = form->messageTexts();
    for (const QString& t : extraMessageTexts().value(form->formName()))
        if (!all.contains(t)) all.append(t);
    return all;
}

}  // namespace TestSupport
