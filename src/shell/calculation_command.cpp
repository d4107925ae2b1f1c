#include "shell/calculation_command.h"

#include <QMessageBox>

#include "report/report_input.h"
#include "shell/app_title.h"
#include "shell/calc_form.h"

namespace fljudge {
void ShowProgramMessage(QWidget* parent, const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::NoIcon, AppTitle(), lines, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

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
