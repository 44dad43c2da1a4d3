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
        // The weigher's refusals of a formula, typed or pasted, and of its tables.
        {QStringLiteral("frmWeights"),
         {QStringLiteral("You must enter data into the Enter Formula box."),
          QStringLiteral("Formula must be larger than 1 character."),
          QStringLiteral("Data entry error"),
          QStringLiteral("The formula holds no element symbol."),
          QStringLiteral("The element symbol <s> was not found. Check the capital and small letters."),
          QStringLiteral("The element symbol <s> was not found. An element symbol begins with a capital letter."),
          QStringLiteral("The group (<g>) was not found, and the element symbol <s> in it was not found either."),
          QStringLiteral("The group (<g> has no closing \")\"."),
          QStringLiteral("The formula has a \")\" without its opening \"(\"."),
          QStringLiteral("The formula has an empty group \"()\"."),
          QStringLiteral("The number <n> does not follow an element symbol or a group."),
          QStringLiteral("The count <n> after <s> must be 1 or more."),
          QStringLiteral("The count 0 after the hydrate dot must be 1 or more."),
          QStringLiteral("The number <n> is too large."),
          QStringLiteral("The hydrate dot must stand between two parts of the formula."),
          QStringLiteral("The character <c> cannot be part of a formula."),
          QStringLiteral("The formula is too large to be weighed."),
          QStringLiteral("A formula can hold at most 1,000 characters."),
          QStringLiteral("A blank cannot be part of a formula."),
          QStringLiteral("A line end cannot be part of a formula."),
          QStringLiteral("The element table could not be read: <reason>")}},
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
