#pragma once

#include <QColor>
#include <QFrame>
#include <QPalette>

// A bevelled panel filled with its designed colour: a fixed one (`fill`, white or a tint) or
// one of the palette's (`fillRole`, such as the button-highlight colour). Neither is passed on
// to the controls inside, which keep the toolkit's own colours.
class Panel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QColor fill READ fill WRITE setFill)
    Q_PROPERTY(QPalette::ColorRole fillRole READ fillRole WRITE setFillRole)

public:
    explicit Panel(QWidget* parent = nullptr);

    QColor fill() const { return fill_; }
    void setFill(const QColor& colour);
    QPalette::ColorRole fillRole() const { return fillRole_; }
    void setFillRole(QPalette::ColorRole role);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_;
    QPalette::ColorRole fillRole_ = QPalette::NoRole;
};
