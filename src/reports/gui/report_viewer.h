#pragma once

#include "print/gui/print_command.h"
#include "print/page_layout.h"

#include <QFont>
#include <QStringList>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;

namespace remitor {

class Session;

// The faces a report can be shown and printed in: those the print pages
// know, whose metric twins come with the program.
QStringList ReportFontNames();

// One page of a report as a print page: its lines one under another in the
// font, on a whole sheet. The layout lives in the object; take the job from
// it while it lives.
class ReportPrint {
public:
    ReportPrint(const QString &pageText, const QFont &font, const QString &documentName);
    ReportPrint(const ReportPrint &) = delete;
    ReportPrint &operator=(const ReportPrint &) = delete;
    const PrintJob &job() const { return m_job; }
    // The widest line in millimetres, as printed.
    int textWidthMm() const { return m_widthMm; }

private:
    PageLayout m_layout;
    PrintJob m_job;
    int m_widthMm = 0;
};

// How many lines of `font` a printed page holds on `printer` (16000 twips of
// height where the printer tells none).
int ReportLinesPerPage(QPrinter &printer, const QFont &font);

// "frmShowSpravki": the report page by page, in a font the user chooses,
// and the shown page printed through the print preview of the forms.
class ReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewer(Session &session, QWidget *parent = nullptr);

    // A new report: page 1 in "Courier New" 10.
    void setReport(const QStringList &pages);
    int page() const { return m_page; }
    int pageCount() const { return int(m_pages.size()); }
    void showPage(int page);
    QPlainTextEdit *text() const { return m_text; }
    QFont textFont() const;

    // "Печат": the shown page, asked about first when it is wider than the
    // paper.
    void print();
    void setPrintPresenter(PrintPresenter present) { m_present = std::move(present); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyFont();

    Session &m_session;
    QStringList m_pages;
    int m_page = 1;
    QPlainTextEdit *m_text;
    QLabel *m_pageLabel;
    QLabel *m_maxPageLabel;
    QComboBox *m_fontName;
    QComboBox *m_fontSize;
    QPushButton *m_bold;
    QPushButton *m_italic;
    PrintPresenter m_present;
};

}  // namespace remitor
