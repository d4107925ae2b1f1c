#include "shell/calculation_command.h"

#include "report/report_input.h"
#include "shell/calc_form.h"
#include "widgets/message_boxes.h"

namespace fljudge {
void RunCalculationCommand(QWidget* parent, const ProjectData& project, const BasicInfo& basicInfo,
                           CalcResults& results, const CalculationSteps& steps) {
    const CheckResult check = steps.Check(project);
    if (check.outcome != CheckOutcome::Pass) {
        ShowProgramMessage(parent, QString::fromStdString(check.message));
    }
    if (check.outcome == CheckOutcome::Stop) {
        return;
    }
    steps.Calculate(project, basicInfo, results);
    CalcForm form(ReportInput{project, results}, parent);
    form.exec();
}

}  // namespace fljudge
