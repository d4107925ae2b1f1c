#include "shell/project_file_dialog.h"

#include <QFileDialog>
#include <utility>

#include "shell/file_dialog_details.h"

namespace fljudge {
namespace {

const QString kProjectFilter = QStringLiteral("すべてのﾌｧｲﾙ (*.KORV)");
const QString kBoringFilter = QStringLiteral("ボーリング交換用データ (*.XML *.xml)");

std::optional<QString> RunForUser(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

ProjectFileDialog::ProjectFileDialog(QWidget* parent)
    : dialog_(new QFileDialog(parent)), runner_(RunForUser) {
    dialog_->setObjectName(QStringLiteral("ProjectFileDialog"));
    // Qt's own dialog, so that it speaks Japanese on every desktop.
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    ShowDetailsInDefaultLocale(*dialog_);
    dialog_->setNameFilter(kProjectFilter);
    // A name typed without the extension is used as typed.
    dialog_->setDefaultSuffix(QString());
    dialog_->setFileMode(QFileDialog::AnyFile);
}

std::optional<QString> ProjectFileDialog::ChooseToOpen() {
    return Choose(QStringLiteral("開く"), false, kProjectFilter);
}

std::optional<QString> ProjectFileDialog::ChooseBoringToOpen() {
    // Not remembered: "データ保存" must never offer a boring file's name.
    const QString projectChosen = lastChosen_;
    std::optional<QString> chosen = Choose(QStringLiteral("開く"), false, kBoringFilter);
    lastChosen_ = projectChosen;
    return chosen;
}

std::optional<QString> ProjectFileDialog::ChooseToSave() {
    return Choose(QStringLiteral("名前を付けて保存"), true, kProjectFilter);
}

void ProjectFileDialog::SetRunner(Runner runner) {
    runner_ = std::move(runner);
}

std::optional<QString> ProjectFileDialog::Choose(const QString& title, bool save,
                                                 const QString& filter) {
    dialog_->setWindowTitle(title);
    dialog_->setNameFilter(filter);
    dialog_->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->setOption(QFileDialog::DontConfirmOverwrite, !save);
    if (!lastChosen_.isEmpty()) {
        dialog_->selectFile(lastChosen_);
    }
    std::optional<QString> chosen = runner_(*dialog_);
    if (chosen && !chosen->isEmpty()) {
        lastChosen_ = *chosen;
    }
    return chosen;
}

}  // namespace fljudge
