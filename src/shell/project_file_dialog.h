#pragma once

#include <QString>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace fljudge {

// The main window's one file dialog for project files, shared by load and
// save so that the name chosen last is offered again by either.
class ProjectFileDialog {
  public:
    // Shows the prepared dialog; the chosen name, or nothing on cancel.
    using Runner = std::function<std::optional<QString>(QFileDialog&)>;

    explicit ProjectFileDialog(QWidget* parent);

    // "開く": a name of a file that does not exist may be given.
    std::optional<QString> ChooseToOpen();
    // "開く" for a boring exchange file (*.XML).
    std::optional<QString> ChooseBoringToOpen();
    // "名前を付けて保存": asks before an existing file is replaced.
    std::optional<QString> ChooseToSave();

    // A name chosen outside the dialog, offered by it next time.
    void Remember(const QString& name) { lastChosen_ = name; }

    // Tests answer in place of the user.
    void SetRunner(Runner runner);

  private:
    std::optional<QString> Choose(const QString& title, bool save, const QString& filter);

    QFileDialog* dialog_;  // owned by the parent window
    QString lastChosen_;
    Runner runner_;
};

}  // namespace fljudge
