#pragma once

#include "reports/deletion.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLineEdit;

namespace remitor {

class Session;

// "frmDelDoc": one button per kind; the copy deleted goes back into its
// kind's editor, which shows it at once when it is open.
class DelDocWindow : public QDialog {
    Q_OBJECT
public:
    explicit DelDocWindow(Session &session, QWidget *parent = nullptr);

    void deleteCopy(const ReportsKind &kind);

private:
    Session &m_session;
};

// "frmEndPeriod": the copies of the ticked kinds up to a date are deleted
// and the reports base is compacted.
class EndPeriodWindow : public QDialog {
    Q_OBJECT
public:
    explicit EndPeriodWindow(Session &session, QWidget *parent = nullptr);

    void start();

private:
    Session &m_session;
    QLineEdit *m_date;
    QList<std::pair<QCheckBox *, const ReportsKind *>> m_checks;
};

}  // namespace remitor
