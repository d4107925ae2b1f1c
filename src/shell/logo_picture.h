#pragma once

#include <QWidget>

namespace fljudge {

// The program's logo: soil layers under a seismic wave, with the groundwater
// sign in the upper layer. Drawn, not loaded, so it scales with the widget.
class LogoPicture : public QWidget {
    Q_OBJECT

  public:
    explicit LogoPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fljudge
