#pragma once

#include "print/page_layout.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace remitor {

class Session;

// "Справка за командировки": the period (from the session's period, each
// date with its picker), "Старт" lists the trips of the period in
// "Courier New", and the period chosen is kept for the next report.
// "Печат" prints the list (listing it first when it is not yet).
class TripReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit TripReportWindow(Session &session, QWidget *parent = nullptr);

    QLineEdit *fromField() const { return m_from; }
    QLineEdit *toField() const { return m_to; }
    QPlainTextEdit *report() const { return m_text; }
    // "Старт": false (and the user told) when the period is no period.
    bool start();
    void print();
    // Tests take the pages instead of the print preview.
    void setPresenter(std::function<void(const QList<PrintJob> &)> present)
    {
        m_present = std::move(present);
    }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void pick(QLineEdit *field);

    Session &m_session;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QPlainTextEdit *m_text;
    QList<PageLayout> m_pages;  // what the last print shows
    std::function<void(const QList<PrintJob> &)> m_present;
};

}  // namespace remitor
