#include "frmCombinedLaws.h"

#include "WaterVapourLookup.h"

namespace {
const QString Title = QStringLiteral("Combined Laws");
const QString NoDryGas =
    QStringLiteral("The original pressure must be larger than the water vapor pressure at this temperature.");
const Form::Style Refused{.icon = Msg::Icon::Information, .title = Title};

CalculatorForm::Design combined(frmCombinedLaws& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = QStringLiteral("Combined Gas Laws");
    s.inputs = {
        Input{.name = BIND(w, Text1), .prompt = QStringLiteral("Original volume in liters"),
              .promptName = BIND(w, Label2)},
        Input{.name = BIND(w, Text2), .prompt = QStringLiteral("Original pressure in kPa"),
              .promptName = BIND(w, Label3)},
        Input{.name = BIND(w, Text3), .prompt = QStringLiteral("Original temperature in Kelvin"),
              .promptName = BIND(w, Label5), .keys = QStringLiteral(".-\b\r")},
        Input{.name = BIND(w, Text4), .prompt = QStringLiteral("New pressure in kPa"),
              .promptName = BIND(w, Label4)},
        Input{.name = BIND(w, Text5), .prompt = QStringLiteral("New temperature in Kelvin"),
              .promptName = BIND(w, Label6), .keys = QStringLiteral(".-\b\r")},
    };
    s.answer.box = BIND(w, Text7);
    s.answer.caption = BIND(w, Label8);
    s.answer.captionText = QStringLiteral("The new volume is");
    s.answer.unit = BIND(w, Label7);
    s.answer.unitText = QStringLiteral("Liters");
    s.answer.workLine = BIND(w, Text6);
    s.layout.helpLeftOfResult = true;
    s.answer.decimals = 2;
    s.messages.keyStyle = {.title = Title};
    s.messages.checkStyle = {.title = Title};
    s.leaving.parent = QStringLiteral("frmGasLaws");
    s.leaving.unloadBeforeShow = true;
    s.messages.help = QStringLiteral(
        "The Combined Gas law literally combines Charles law and Boyles law into one. You start with an original "
        "volume and multiply it by two ratios: V2 = V1 x (P1 / P2) x (T2 / T1). One applies Charles law and the other applies Boyles law. The end result is a "
        "new volume with two changes - one caused by Charles law and one caused by Boyles law. ");
    return s;
}
}  // namespace

frmCombinedLaws::frmCombinedLaws() : CalculatorForm(combined(*this)) {
    bind(BIND(*this, chk1), new QCheckBox(QStringLiteral("Check if collected over water."), this));
    rowsAbove->addWidget(chk1);  // above the boxes
    orderTabs({cmdCancel, chk1, cmdPrint});
    connect(chk1, &QCheckBox::toggled, this, [this] { chk1_Click(); });

    addCheck(
        [this] { return isEmpty(Text1) || isEmpty(Text2) || isEmpty(Text3) || isEmpty(Text4) || isEmpty(Text5); },
        QStringLiteral("You must enter valid data into all required boxes."));
    // Box by box in screen order: no gas has a volume, pressure or kelvin
    // temperature of 0 or less.
    const QString required = QStringLiteral("You must enter valid data into all required boxes.");
    addCheck([this] { return Num::notPositive(Text1->text()); }, required);
    addCheck([this] { return Num::notPositive(Text2->text()); }, required);
    addCheck([this] { return Num::notAboveZero(Text3->text()); }, KelvinMessage, Refused);
    addCheck([this] { return Num::notPositive(Text4->text()); }, required);
    addCheck([this] { return Num::notAboveZero(Text5->text()); }, KelvinMessage, Refused);
}

void frmCombinedLaws::chk1_Click() {
    Text7->clear();
    Text6->clear();
}

void frmCombinedLaws::cleared() { chk1->setChecked(false); }

std::optional<CalculatorForm::Result> frmCombinedLaws::calculate() {
    double p1 = 0;
    if (chk1->isChecked()) {
        // The table is read only for a gas collected over water.
        const double celsius = WaterVapourLookup::celsiusOfKelvin(number(Text3));
        const std::optional<double> vp = WaterVapourLookup::pressure(celsius);
        if (!vp) {
            Msg::info(WaterVapourLookup::noEntryMessage(Num::text(celsius)));
            return std::nullopt;
        }
        const double total = number(Text2);
        // A total equal to the vapour pressure leaves no gas.
        if (!(total > *vp)) {
            say(NoDryGas, Refused);
            return std::nullopt;
        }
        p1 = Num::held(total - *vp, total);  // 3.2 - 3.17 is 0.03
    } else {
        p1 = number(Text2);
    }
    const double r1 = Num::div(p1, number(Text4));
    const double r2 = Num::div(number(Text5), number(Text3));
    const double v1 = number(Text1);
    const double v2 = Num::checked(v1 * r1 * r2);
    const QString work = Num::text(v1) + QStringLiteral(" * ") + Num::text(p1) + QStringLiteral(" / ") +
                         Text4->text() + QStringLiteral(" * ") + Text5->text() + QStringLiteral(" / ") + Text3->text();
    setResultCaption(QStringLiteral("The new volume is "));
    return Result{v2, work};
}
