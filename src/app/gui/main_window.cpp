#include "main_window.h"

#include "app/gui/help_windows.h"
#include "app/gui/icons.h"
#include "session/session.h"
#include "base/gui/screen_fit.h"
#include "base/gui/twips.h"
#include "cash/gui/kasa_window.h"
#include "cash/gui/oborot_window.h"
#include "documents/gui/editor_window.h"
#include "documents/gui/kind_wiring.h"
#include "lists/gui/klients_window.h"
#include "lists/gui/paragraphs_window.h"
#include "print/gui/calibration_window.h"
#include "print/gui/print_preview.h"
#include "reports/gui/deletion_windows.h"
#include "reports/gui/report_window.h"
#include "app/gui/firma_window.h"
#include "tools/gui/notes_window.h"
#include "tools/gui/trip_order_window.h"
#include "tools/gui/trip_report_window.h"
#include "transfer/gui/transfer_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

QSize MainWindow::normalSize()
{
    return twipsSize(7275, 3840);
}

MainWindow::MainWindow(Session &session, QWidget *parent) : QMainWindow(parent), m_session(session)
{
    setObjectName(u"Remitor"_s);
    setWindowIcon(programIcon());
    buildMenus();
    buildToolbar();
    buildTitle();
    resize(normalSize());
    refreshCaption();
}

QAction *MainWindow::addItem(QMenu *menu, const QString &name, const QString &caption,
                             const std::function<void()> &run)
{
    auto *a = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    a->setObjectName(name);
    if (run)
        connect(a, &QAction::triggered, this, run);
    else
        a->setEnabled(false);  // its window comes with later work
    m_actions.insert(name, a);
    return a;
}

void MainWindow::buildMenus()
{
    Session &s = m_session;
    QMenu *file = menuBar()->addMenu(u"Файл"_s);
    file->setObjectName(u"mnuFile"_s);
    addItem(file, u"mnuKlients"_s, u"Контрагенти"_s, [this] {
        showSingle(u"frmKlients"_s, [this] { return new KlientsWindow(m_session); });
    });
    addItem(file, u"mnuParagraf"_s, u"Параграфи"_s, [this] {
        showSingle(u"frmParagraf"_s, [this] { return new ParagraphsWindow(m_session); });
    });
    addItem(file, u"mnuNotes"_s, u"Бележки"_s, [this] {
        showSingle(u"frmNotes"_s, [this] { return new NotesWindow(m_session); });
    });
    addItem(file, u"mnuFirma"_s, u"Данни за фирмата"_s, [this] {
        showSingle(u"frmFirma"_s, [this] {
            auto *w = new FirmaWindow(m_session);
            connect(w, &FirmaWindow::captionChanged, this, &MainWindow::refreshCaption);
            return w;
        });
    });
    file->addSeparator();
    addItem(file, u"mnuReindex"_s, u"Индексиране"_s, [&s] { s.reindex(); });
    addItem(file, u"mnuSort"_s, u"Подрежда базата"_s, [&s] { s.sortDocuments(); });
    file->addSeparator();
    addItem(file, u"mnuColors"_s, u"Печат на цветове"_s, [&s] { s.chooseColorPrinting(); });
    addItem(file, u"mnuPrinter"_s, u"Принтер"_s, [this] { ChoosePrinter(this, m_session); });
    addItem(file, u"mnuCalibrate"_s, u"Калибриране на принтера"_s, [this] {
        showSingle(u"frmCalibrate"_s, [this] { return new CalibrationWindow(m_session); });
    });
    file->addSeparator();
    addItem(file, u"mnuExit"_s, u"Изход"_s, [this] { exitCommand(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu *docs = menuBar()->addMenu(u"Документи"_s);
    docs->setObjectName(u"mnuDocuments"_s);
    addItem(docs, u"mnuPlnB"_s, u"Платежно Нареждане от/към бюджета"_s);
    addItem(docs, u"mnuPlnB4"_s, u"Платежно Нареждане от/към бюджета - многоредово"_s);
    addItem(docs, u"mnuBPln"_s, u"Бюджетно платежно нареждане"_s);
    docs->addSeparator();
    addItem(docs, u"mnuPln"_s, u"Платежно Нареждане за Кредитен Превод"_s);
    addItem(docs, u"mnuIsk"_s, u"Платежно Нареждане за Директен Дебит"_s);
    addItem(docs, u"mnuMass"_s, u"Нареждане за масово плащане"_s);
    addItem(docs, u"mnuSDD"_s, u"СЪГЛАСИЕ за Директен Дебит"_s);
    docs->addSeparator();
    addItem(docs, u"mnuPlnM"_s, u"ПЛАТЕЖНО НАРЕЖДАНЕ В ЧУЖДЕСТРАННА ВАЛУТА"_s);
    addItem(docs, u"mnuBuy"_s, u"НАРЕЖДАНЕ ЗА ПОКУПКА / ПРОДАЖБА НА ВАЛУТА"_s);
    docs->addSeparator();
    addItem(docs, u"mnuRaz"_s, u"Нареждане-разписка"_s);
    addItem(docs, u"mnuVnos"_s, u"Вносна бележка"_s);
    docs->addSeparator();
    addItem(docs, u"mnuPKO"_s, u"Приходен Касов Ордер"_s);
    addItem(docs, u"mnuRKO"_s, u"Разходен Касов Ордер"_s);
    docs->addSeparator();
    addItem(docs, u"mnuKomand"_s, u"Заповед за командировка"_s, [this] {
        showSingle(u"frmCommand"_s, [this] { return new TripOrderWindow(m_session); });
    });

    // A menu without items: its title opens the export and import window.
    addItem(nullptr, u"mnuTransfer"_s, u"Трансфер"_s, [this] {
        showSingle(u"frmTransfer"_s, [this] {
            auto *transfer = new TransferWindow(m_session);
            // An import may give the lists' numbers to other rows: an open
            // list must not write its old page over them.
            connect(transfer, &TransferWindow::imported, this, [this] {
                if (auto *k = qobject_cast<KlientsWindow *>(m_windows.value(u"frmKlients"_s)))
                    k->reload();
                if (auto *p = qobject_cast<ParagraphsWindow *>(m_windows.value(u"frmParagraf"_s)))
                    p->reload();
            });
            return transfer;
        });
    });

    QMenu *reports = menuBar()->addMenu(u"Справки"_s);
    reports->setObjectName(u"mnuReportsMenu"_s);
    addItem(reports, u"mnuReports"_s, u"Справки"_s, [this] {
        showSingle(u"frmPDSpravki"_s, [this] { return new ReportWindow(m_session); });
    });
    const auto cashReport = [this](OborotWindow::Mode mode) {
        return [this, mode] { OborotWindow::open(this, m_session, mode); };
    };
    addItem(reports, u"mnuCashJournal"_s, u"Дневник на касата"_s, cashReport(OborotWindow::Mode::Journal));
    addItem(reports, u"mnuCashDocs"_s, u"Списък на касовите документи"_s,
            cashReport(OborotWindow::Mode::Documents));
    addItem(reports, u"mnuKomReport"_s, u"Справка за командировки"_s, [this] {
        showSingle(u"frmKomReport"_s, [this] { return new TripReportWindow(m_session); });
    });
    addItem(reports, u"mnuPodpisi"_s, u"Подписи"_s, [this] {
        showSingle(u"frmPodpisi"_s, [this] { return new SignaturesWindow(m_session); });
    });
    addItem(reports, u"mnuEndPeriod"_s, u"Приключва период"_s, [this] {
        EndPeriodWindow(m_session, this).exec();
    });
    addItem(reports, u"mnuDelDoc"_s, u"Изтрива документ"_s, [this] {
        DelDocWindow(m_session, this).exec();
    });

    QMenu *cash = menuBar()->addMenu(u"Каса"_s);
    cash->setObjectName(u"mnuCash"_s);
    addItem(cash, u"mnuKasa"_s, u"Касова книга"_s, [this] {
        showSingle(u"frmKasa"_s, [this] { return new KasaWindow(m_session); });
    });
    addItem(cash, u"mnuKasaJournal"_s, u"Дневник на касата"_s, cashReport(OborotWindow::Mode::Journal));

    QMenu *help = menuBar()->addMenu(u"Помощ"_s);
    help->setObjectName(u"mnuHelpMenu"_s);
    addItem(help, u"mnuHelp"_s, u"Помощ "_s, [this] {
        showSingle(u"frmHelp"_s, [] { return new HelpWindow; });
    })->setShortcut(QKeySequence(Qt::Key_F1));
    addItem(help, u"mnuAbout"_s, u"За програмата"_s, [this] {
        showSingle(u"frmAbout"_s, [this] { return new AboutWindow(m_session.paths().programDir); });
    });
    addItem(help, u"mnuPacking"_s, u"Пакетира базата"_s, [&s] { s.repairAndCompact(); });

    // The editor of every kind that has one, as its wiring names it.
    for (const KindWiring &w : kindWirings()) {
        QAction *item = m_actions.value(w.menuItem);
        Q_ASSERT_X(item, "buildMenus", qPrintable(w.menuItem));
        item->setEnabled(true);
        connect(item, &QAction::triggered, this, [this, &w] {
            showSingle(kindById(w.kind).editor, [this, &w] { return new EditorWindow(m_session, w); });
        });
    }
}

void MainWindow::buildToolbar()
{
    auto *bar = addToolBar(u"Бутони"_s);
    bar->setObjectName(u"tlbButtons"_s);
    bar->setMovable(false);
    bar->setFloatable(false);
    // All seventeen buttons fit in one row of the narrow window.
    bar->setIconSize(QSize(20, 20));
    bar->setStyleSheet(u"QToolBar { spacing: 0px; padding: 0px; } QToolButton { padding: 1px; margin: 0px; }"_s);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    const struct {
        const char *name;
        const char16_t *tip;
        const char *item;
    } buttons[] = {
        {"cmdExit", u"Изход", "mnuExit"},
        {"cmdHelp", u"Помощ", "mnuHelp"},
        {"cmdPacking", u"Ремонт и пакетиране ", "mnuPacking"},
        {"cmdKomand", u"Заповед за командировка", "mnuKomand"},
        {"cmdKasa", u"Касова книга", "mnuKasa"},
        {"cmdRKO", u"Разходен касов ордер", "mnuRKO"},
        {"cmdPKO", u"Приходен касов ордер", "mnuPKO"},
        {"cmdRAZ", u"Разписка", "mnuRaz"},
        {"cmdVNB", u"Вносна бележка", "mnuVnos"},
        {"cmdSDD", u"СЪГЛАСИЕ за Директен Дебит", "mnuSDD"},
        {"cmdNMP", u"Нареждане за масово плащане", "mnuMass"},
        {"cmdNDD", u"Платежно нареждане за директен дебит", "mnuIsk"},
        {"cmdNKP", u"Платежно нареждане за кредитен превод", "mnuPln"},
        {"cmdBpn", u"Бюджетно платежно нареждане", "mnuBPln"},
        {"cmdPlnB4", u"Платежно нареждане за бюджета - многоредово", "mnuPlnB4"},
        {"cmdPlnB", u"Платежно нареждане за бюджета", "mnuPlnB"},
        {"cmdKlients", u"Клиенти", "mnuKlients"},
    };
    for (const auto &b : buttons) {
        QAction *item = m_actions.value(QLatin1StringView(b.item));
        auto *button = new QToolButton(bar);
        button->setObjectName(QLatin1StringView(b.name));
        button->setToolTip(QString::fromUtf16(b.tip));
        button->setIcon(buttonIcon(QLatin1StringView(b.name)));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(item->isEnabled());
        connect(item, &QAction::changed, button, [button, item] { button->setEnabled(item->isEnabled()); });
        connect(button, &QToolButton::clicked, item, &QAction::trigger);
        bar->addWidget(button);
    }
}

void MainWindow::buildTitle()
{
    auto *central = new QWidget(this);
    central->setObjectName(u"picTitle"_s);
    central->setAutoFillBackground(true);
    QPalette p = central->palette();
    p.setColor(QPalette::Window, QColor(0, 51, 102));
    p.setColor(QPalette::WindowText, Qt::white);
    central->setPalette(p);

    auto *title = new QLabel(u"REMITOR"_s, central);
    title->setObjectName(u"lblTitle"_s);
    title->setFont(QFont(u"Times New Roman"_s, 30, QFont::Bold));
    auto *subtitle = new QLabel(u"Банкови платежни документи"_s, central);
    subtitle->setObjectName(u"lblTitle2"_s);
    QFont sub(u"Times New Roman"_s, 16);
    sub.setItalic(true);
    subtitle->setFont(sub);
    auto *version = new QLabel(QString::fromUtf16(u"4.16").trimmed(), central);
    version->setObjectName(u"lblVersion"_s);
    version->setFont(QFont(u"Arial"_s, 9));
    for (QLabel *l : {title, subtitle, version})
        l->setAlignment(Qt::AlignCenter);

    auto *layout = new QVBoxLayout(central);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addStretch(1);
    layout->addWidget(version, 0, Qt::AlignRight);
    setCentralWidget(central);
}

QAction *MainWindow::action(const QString &objectName) const
{
    return m_actions.value(objectName);
}

QToolButton *MainWindow::button(const QString &objectName) const
{
    return findChild<QToolButton *>(objectName);
}

QWidget *MainWindow::showSingle(const QString &name, const std::function<QWidget *()> &create)
{
    QPointer<QWidget> &w = m_windows[name];
    if (!w) {
        w = create();
        w->setParent(this, w->windowFlags() | Qt::Window);
        w->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    w->show();
    FitOnScreen(w);
    w->raise();
    w->activateWindow();
    return w;
}

void MainWindow::refreshCaption()
{
    setWindowTitle(m_session.mainCaption());
}

void MainWindow::exitCommand()
{
    if (!m_session.confirmExit())
        return;
    m_exiting = true;
    for (const auto &w : std::as_const(m_windows))
        if (w)
            w->close();
    close();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_exiting) {
        event->accept();
        return;
    }
    // The frame's close button asks like every other way out.
    event->ignore();
    QTimer::singleShot(0, this, &MainWindow::exitCommand);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        exitCommand();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) &&
        size() != normalSize())
        QTimer::singleShot(0, this, [this] {
            if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
                resize(normalSize());
        });
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState)
        resize(normalSize());
}

}  // namespace remitor
