#pragma once

#include "print/gui/print_command.h"
#include "tools/trip_order.h"

#include <QHash>
#include <QList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QToolButton;

namespace remitor {

class Session;

// "Заповед за командировка" (frmCommand): the order laid out like its form,
// the command buttons in a column on the right, the date, person and note
// buttons beside their fields. Each field is taken into the order when it
// is left; a command first takes the field being typed, and does not run
// when that field was refused.
class TripOrderWindow : public QWidget {
    Q_OBJECT
public:
    explicit TripOrderWindow(Session &session, QWidget *parent = nullptr);
    ~TripOrderWindow() override;

    TripOrderFlow &flow() { return m_flow; }
    QLineEdit *field(const QString &widget) const;
    QToolButton *command(const QString &name) const;
    void showRecord();
    // Tests take the filled page instead of the print preview.
    void setPrintPresenter(PrintPresenter present) { m_present = std::move(present); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addCommands();
    // The order, or its back; both on one sheet when "Check1" is ticked.
    void print(bool back);
    void run(const std::function<void()> &command);
    // Takes a field whose text differs from what it shows; false when refused.
    bool leave(int place);
    bool takeFocused();
    void focusField(const QString &recordField);

    Session &m_session;
    TripOrderFlow m_flow;
    QList<QLineEdit *> m_edits;  // in the entry order of TripFields()
    QHash<QLineEdit *, QString> m_shown;
    QRadioButton *m_oral = nullptr;
    QRadioButton *m_written = nullptr;
    QCheckBox *m_oneSheet = nullptr;
    PrintPresenter m_present;
    bool m_busy = false;
};

}  // namespace remitor
