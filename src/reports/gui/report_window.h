#pragma once

#include "reports/gui/report_viewer.h"
#include "reports/report.h"

#include <QComboBox>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;

namespace remitor {

class Session;

// A drop-down list that is filled anew each time it opens.
class PartyBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

Q_SIGNALS:
    // Fill the list now; leave it empty to keep it closed.
    void aboutToOpen();
};

// "frmPDSpravki" ("Справки"): the kind, the period, the scope and the
// parties of a report; "Старт" builds it and shows it in the viewer.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportWindow(Session &session, QWidget *parent = nullptr);
    ~ReportWindow() override;

    // "Старт". The report window closes and the viewer opens on page 1.
    void start();
    // The viewer of the last report, once there is one.
    ReportViewer *viewer() const { return m_viewer; }
    // The request the window's fields make.
    ReportRequest request() const;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const ReportsKind *chosenKind() const;
    void fillParties(PartyBox *box, bool payee);
    void pickDate(QLineEdit *field);

    Session &m_session;
    QButtonGroup *m_kinds;
    QButtonGroup *m_scopes;
    QLineEdit *m_from;
    QLineEdit *m_to;
    PartyBox *m_payee;
    PartyBox *m_payer;
    QLabel *m_payeeAccount;
    QLabel *m_payerAccount;
    QProgressBar *m_progress;
    QPointer<ReportViewer> m_viewer;
};

}  // namespace remitor
