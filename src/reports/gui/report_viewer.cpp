#include "reports/gui/report_viewer.h"

#include "base/interaction.h"
#include "print/gui/page_renderer.h"
#include "print/gui/print_preview.h"
#include "session/session.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

using namespace Qt::StringLiterals;

namespace remitor {

namespace {

constexpr double kTwipsPerMm = 1440.0 / 25.4;

FontFamily familyOf(const QString &name)
{
    if (name == u"Arial"_s)
        return FontFamily::Arial;
    if (name == u"Times New Roman"_s)
        return FontFamily::Times;
    return FontFamily::Courier;
}

TextStyle styleOf(const QFont &font)
{
    TextStyle s;
    s.family = familyOf(font.family());
    s.sizeTwips = int(std::lround(font.pointSizeF() * 20));
    s.bold = font.bold();
    s.italic = font.italic();
    return s;
}

// The font as the page renderer sets it: its size in twips taken as pixels.
QFont printFont(const TextStyle &s)
{
    static const char16_t *const names[] = {u"Arial", u"Times New Roman", u"Courier New"};
    QFont f(QString::fromUtf16(names[int(s.family)]));
    if (s.family == FontFamily::Courier)
        f.setStyleHint(QFont::TypeWriter);
    f.setPixelSize(std::max(1, s.sizeTwips));
    f.setBold(s.bold);
    f.setItalic(s.italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

}  // namespace

QStringList ReportFontNames()
{
    return {u"Courier New"_s, u"Arial"_s, u"Times New Roman"_s};
}

ReportPrint::ReportPrint(const QString &pageText, const QFont &font, const QString &documentName)
{
    const TextStyle style = styleOf(font);
    const QFontMetricsF fm(printFont(style));
    const qreal step = fm.lineSpacing();
    m_layout.name = u"Spravka"_s;
    const QStringList lines = pageText.split(u'\n');
    qreal widest = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        m_layout.elements << layout::caption(lines[i], 0, int(std::lround(i * step)), style);
        widest = std::max(widest, fm.horizontalAdvance(lines[i]));
    }
    m_widthMm = int(widest / kTwipsPerMm);
    m_job.layout = &m_layout;
    m_job.heightTwips = A4HeightTwips;
    m_job.wholeSheet = true;
    m_job.documentName = documentName;
}

int ReportLinesPerPage(QPrinter &printer, const QFont &font)
{
    qreal height = printer.pageLayout().paintRect(QPageLayout::Point).height() * 20;
    if (height <= 0)
        height = 16000;
    const qreal step = QFontMetricsF(printFont(styleOf(font))).lineSpacing();
    return std::max(1, int(height / step));
}

ReportViewer::ReportViewer(Session &session, QWidget *parent) : QWidget(parent), m_session(session)
{
    setObjectName(u"frmShowSpravki"_s);
    setWindowTitle(u"Справка"_s);
    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(u"Text"_s);
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setMinimumSize(760, 560);

    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(u"lblPage"_s);
    m_maxPageLabel = new QLabel(this);
    m_maxPageLabel->setObjectName(u"lblMaxPage"_s);
    auto *previous = new QPushButton(u"Предишна страница"_s, this);
    previous->setObjectName(u"cmdPrevious"_s);
    auto *next = new QPushButton(u"Следваща страница"_s, this);
    next->setObjectName(u"cmdNext"_s);
    m_fontName = new QComboBox(this);
    m_fontName->setObjectName(u"cmdFontName"_s);
    m_fontName->addItems(ReportFontNames());
    m_fontSize = new QComboBox(this);
    m_fontSize->setObjectName(u"cmdFontSize"_s);
    m_fontSize->setEditable(true);
    for (int size : {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20})
        m_fontSize->addItem(QString::number(size));
    m_bold = new QPushButton(u"B"_s, this);
    m_bold->setObjectName(u"cmdBold"_s);
    m_bold->setToolTip(u"Променя дебелината на шрифта"_s);
    m_italic = new QPushButton(u"I"_s, this);
    m_italic->setObjectName(u"cmdItalic"_s);
    m_italic->setToolTip(u"Променя текста в наклонен"_s);
    for (QPushButton *b : {m_bold, m_italic}) {
        b->setCheckable(true);
        b->setMaximumWidth(32);
    }
    auto *print = new QPushButton(u"Печат"_s, this);
    print->setObjectName(u"cmdPrint"_s);
    auto *exit = new QPushButton(u"Изход"_s, this);
    exit->setObjectName(u"cmdExit"_s);
    for (QPushButton *b : {previous, next, m_bold, m_italic, print, exit}) b->setAutoDefault(false);

    connect(previous, &QPushButton::clicked, this, [this] { showPage(m_page - 1); });
    connect(next, &QPushButton::clicked, this, [this] { showPage(m_page + 1); });
    connect(m_fontName, &QComboBox::currentTextChanged, this, &ReportViewer::applyFont);
    connect(m_fontSize, &QComboBox::currentTextChanged, this, &ReportViewer::applyFont);
    connect(m_bold, &QPushButton::toggled, this, &ReportViewer::applyFont);
    connect(m_italic, &QPushButton::toggled, this, &ReportViewer::applyFont);
    connect(print, &QPushButton::clicked, this, &ReportViewer::print);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto *bar = new QHBoxLayout;
    bar->addWidget(previous);
    bar->addWidget(m_pageLabel);
    bar->addWidget(new QLabel(u"от"_s, this));
    bar->addWidget(m_maxPageLabel);
    bar->addWidget(next);
    bar->addStretch();
    bar->addWidget(m_fontName);
    bar->addWidget(m_fontSize);
    bar->addWidget(m_bold);
    bar->addWidget(m_italic);
    bar->addStretch();
    bar->addWidget(print);
    bar->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addLayout(bar);
    setReport({});
}

void ReportViewer::setReport(const QStringList &pages)
{
    m_pages = pages;
    m_fontName->setCurrentText(u"Courier New"_s);
    m_fontSize->setCurrentText(u"10"_s);
    m_bold->setChecked(false);
    m_italic->setChecked(false);
    applyFont();
    m_maxPageLabel->setText(QString::number(pageCount()));
    showPage(1);
}

void ReportViewer::showPage(int page)
{
    if (page < 1 || page > std::max(1, pageCount()))
        return;
    m_page = page;
    m_text->setPlainText(m_pages.value(page - 1));
    m_pageLabel->setText(QString::number(page));
}

QFont ReportViewer::textFont() const
{
    bool ok = false;
    int size = m_fontSize->currentText().trimmed().toInt(&ok);
    if (!ok || size <= 0)
        size = 8;  // what a size that is no number counts as
    QFont f(m_fontName->currentText(), size);
    f.setStyleHint(familyOf(f.family()) == FontFamily::Courier ? QFont::TypeWriter
                                                               : QFont::AnyStyle);
    f.setBold(m_bold->isChecked());
    f.setItalic(m_italic->isChecked());
    return f;
}

void ReportViewer::applyFont()
{
    m_text->setFont(textFont());
}

void ReportViewer::print()
{
    if (m_pages.isEmpty())
        return;
    const ReportPrint page(m_pages.value(m_page - 1), textFont(), windowTitle());
    QPrinter printer(QPrinter::HighResolution);
    UseProgramPrinter(printer, m_session.store());
    PreparePrinter(printer, windowTitle());
    // The page is drawn from the printable corner: what lies beyond the
    // printable width is cut by the printer's margin.
    const int paperMm = int(printer.pageLayout().paintRect(QPageLayout::Millimeter).width());
    if (page.textWidthMm() > paperMm &&
        !m_session.ui().askOkCancel(u"Ширината на страницата ("_s + QString::number(paperMm) +
                                    u"мм)\nе по-малка от ширината на текста. ("_s +
                                    QString::number(page.textWidthMm()) + u"мм)"_s))
        return;
    if (m_present)
        m_present(this, page.job());
    else
        ShowPrintPreview(this, m_session.store(), page.job());
    m_text->setFocus();
}

void ReportViewer::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
