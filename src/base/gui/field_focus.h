#pragma once

#include <QColor>
#include <QObject>
#include <QWidget>
#include <functional>

namespace remitor {

// Colours a field while it has the focus and white again when it leaves,
// and tells the window about each arrival and departure. Installed once per
// window on all its fields.
class FieldFocus : public QObject {
    Q_OBJECT
public:
    explicit FieldFocus(QColor focusColor, QObject *parent = nullptr);

    void watch(QWidget *field);

    std::function<void(QWidget *)> onEnter;
    std::function<void(QWidget *)> onLeave;

    static void setBackground(QWidget *field, const QColor &color);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QColor m_color;
};

inline const QColor FocusYellow{255, 255, 0};
inline const QColor FocusLightYellow{230, 230, 16};
inline const QColor IbanCyan{153, 255, 255};

}  // namespace remitor
