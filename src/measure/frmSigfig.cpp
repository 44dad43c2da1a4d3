#include "frmSigfig.h"
#include "SigFigCounter.h"

namespace {
const QString Title = QStringLiteral("Significant Figures");

CalculatorForm::Design sigfig(frmSigfig& w) {
    using Input = CalculatorForm::Input;
    CalculatorForm::Design s;
    s.caption = Title;
    s.inputs = {Input{.name = BIND(w, txtSigfig1), .prompt = QStringLiteral("Enter a number"),
                      .promptName = BIND(w, lblsigfig1), .toolTip = QStringLiteral("Enter a number."),
                      .maxLength = 20}};
    s.answer.box = BIND(w, txtSigfig2);
    s.answer.caption = BIND(w, lblSigfig2);
    s.answer.captionText = QStringLiteral("Significant figures");
    s.answer.format = CalculatorForm::Format::Integer;
    s.messages.keyStyle = {Msg::Icon::None, Title};
    s.messages.checkStyle = {Msg::Icon::None, Title};
    s.messages.trapStyle = {Msg::Icon::Information, Title};
    s.leaving.parent = QStringLiteral("frmGeneralChoice");
    s.leaving.onLoad = {{.window = QStringLiteral("frmGeneralChoice"), .action = Form::Action::Hide}};
    s.messages.help = QStringLiteral(
        "The significant figures of a measurement are the digits you can have a high degree of confidence in, plus "
        "the one estimated digit after them. "
        "Calculations in chemistry depend upon numbers that are real , dependable numbers, so an answer keeps no "
        "more figures than its data. Rules have been set up to guarantee that numbers are accurate and reliable.");
    return s;
}
}  // namespace

frmSigfig::frmSigfig() : CalculatorForm(sigfig(*this)) {
    QFont bold = cmdHelp->font();
    bold.setBold(true);
    bold.setPointSize(18);
    cmdHelp->setFont(bold);

    addCheck([this] { return isEmpty(txtSigfig1) || !(number(txtSigfig1) > 0); },
             QStringLiteral("You must enter valid data into the box."));
}

void frmSigfig::prepare() {
    // One leading minus sign is dropped from the box itself.
    if (txtSigfig1->text().startsWith(QLatin1Char('-'))) txtSigfig1->setText(txtSigfig1->text().mid(1));
}

void frmSigfig::input_Change(int index) {
    CalculatorForm::input_Change(index);
    txtSigfig2->clear();
}

std::optional<CalculatorForm::Result> frmSigfig::calculate() {
    const SigFigs::Count c = SigFigs::count(txtSigfig1->text().toStdString());
    if (!c.complete) {
        // A character that is neither digit nor point stops the count: the
        // fault is told, and the count reached before it is shown.
        say(RuntimeFault::describe(RuntimeFault::TypeMismatch), InformationStyle);
    }
    return Result{double(c.figures), QString()};
}
