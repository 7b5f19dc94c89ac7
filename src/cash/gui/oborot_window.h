#pragma once

#include "print/page_layout.h"

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace remitor {

class Session;

// "Обороти": the period dialog of the cash reports, the report named
// above its text. From and To, each with
// its date picker; Start writes the report of the mode into the text field,
// "Печат" sends it through the print preview (and from there to paper or
// a PDF file). The period closing of the cash book runs in it too.
class OborotWindow : public QWidget {
    Q_OBJECT
public:
    enum class Mode {
        Turnover,   // "K": "Касов оборот"
        Journal,    // "DK": "Дневник на касата"
        Documents,  // "SKD": "Списък на касовите документи"
        Closing,    // "Приключване на касовата книга"
    };

    OborotWindow(Session &session, QWidget *parent = nullptr);

    // The one window of the program, shown in `mode`: created the first
    // time (as a window of `parent`), brought up after that. `search` is
    // the cash journal's search text.
    static OborotWindow *open(QWidget *parent, Session &session, Mode mode,
                              const QString &search = {});

    void setMode(Mode mode, const QString &search = {});
    Mode mode() const { return m_mode; }
    QString text() const;
    // "cmdStart": the report of the period, or the period closing.
    void start();
    // "cmdPrint": the report's pages to the preview; tests take them instead.
    void print();
    void setPresenter(std::function<void(const QList<PrintJob> &)> present)
    {
        m_present = std::move(present);
    }

Q_SIGNALS:
    // A period was closed: the book has changed.
    void bookClosed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The date of a period field, normalised in the field; a text that is
    // no date is cleared (and told, with `tell`).
    QDate dateOf(QLineEdit *field, bool tell);
    void pick(QLineEdit *field);

    Session &m_session;
    Mode m_mode = Mode::Turnover;
    QString m_search;
    QLabel *m_title;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QPlainTextEdit *m_text;
    QPushButton *m_print;
    QList<PageLayout> m_pages;
    std::function<void(const QList<PrintJob> &)> m_present;
};

}  // namespace remitor
