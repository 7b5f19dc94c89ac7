#include "transfer/gui/transfer_window.h"

#include "session/session.h"
#include "transfer/transfer.h"
#include "transfer/transfer_folder.h"
#include "transfer/transfer_kinds.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace remitor {

TransferWindow::TransferWindow(Session &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(u"frmTransfer"_s);
    setWindowTitle(u"Трансфер на документи"_s);
    chooseFolder = [this](const QString &current) {
        return QFileDialog::getExistingDirectory(this, u"Папка за трансфер"_s, current);
    };

    const auto &kinds = transferKinds();
    // The captions end in dots up to one width, so that the counts stand
    // in a column after them.
    const QFontMetrics metrics(font());
    int width = 0;
    for (const TransferKind &k : kinds)
        width = std::max(width, metrics.horizontalAdvance(k.caption + u"..."_s));
    const auto dotted = [&metrics, width](QString caption) {
        while (metrics.horizontalAdvance(caption + u'.') <= width) caption += u'.';
        return caption;
    };
    auto *group = new QGroupBox(u" Документи "_s, this);
    auto *grid = new QGridLayout(group);
    for (int i = 0; i < kinds.size(); ++i) {
        auto *box = new QCheckBox(dotted(kinds[i].caption), group);
        box->setObjectName(kinds[i].box);
        auto *count = new QLabel(group);
        count->setObjectName(u"lbl"_s + kinds[i].box.mid(1));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        count->setMinimumWidth(60);
        grid->addWidget(box, i, 0);
        grid->addWidget(count, i, 1);
        m_boxes.append(box);
        m_counts.append(count);
    }

    const auto button = [this](const QString &name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        m_commands.append(b);
        return b;
    };
    QPushButton *total = button(u"cmdTotal"_s, u"Всички"_s);
    QPushButton *clear = button(u"cmdClear"_s, u"Отменя"_s);
    QPushButton *exportButton = button(u"cmdExport"_s, u"Експорт"_s);
    QPushButton *importButton = button(u"cmdImport"_s, u"Импорт"_s);
    QPushButton *folderButton = button(u"cmdFolder"_s, u"Папка…"_s);
    QPushButton *exit = button(u"cmdExit"_s, u"Изход"_s);
    folderButton->setToolTip(u"Избор на папка за файловете"_s);
    connect(total, &QPushButton::clicked, this, [this] {
        for (QCheckBox *b : std::as_const(m_boxes)) b->setChecked(true);
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        for (QCheckBox *b : std::as_const(m_boxes)) b->setChecked(false);
    });
    connect(exportButton, &QPushButton::clicked, this, [this] { run(false); });
    connect(importButton, &QPushButton::clicked, this, [this] { run(true); });
    connect(folderButton, &QPushButton::clicked, this, &TransferWindow::pickFolder);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_drive = new QComboBox(this);
    m_drive->setObjectName(u"Drive1"_s);
    m_drive->setMinimumWidth(260);
    m_drive->setToolTip(u"Сменяем диск или избрана папка"_s);
    connect(m_drive, &QComboBox::activated, this,
            [this] { SaveTransferFolder(m_session.store(), folder()); });
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"ProgressBar1"_s);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    auto *drive = new QHBoxLayout;
    drive->addWidget(new QLabel(u"Устройство:"_s, this));
    drive->addWidget(m_drive, 1);
    drive->addWidget(folderButton);
    auto *ticks = new QHBoxLayout;
    ticks->addWidget(total);
    ticks->addWidget(clear);
    ticks->addStretch();
    auto *commands = new QHBoxLayout;
    commands->addWidget(exportButton);
    commands->addWidget(importButton);
    commands->addStretch();
    commands->addWidget(exit);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(ticks);
    layout->addLayout(drive);
    layout->addWidget(m_progress);
    layout->addLayout(commands);

    fillDrives(LoadTransferFolder(session.store()));
}

QString TransferWindow::folder() const
{
    return m_drive->currentData().toString();
}

void TransferWindow::setFolder(const QString &path)
{
    fillDrives(path);
}

void TransferWindow::fillDrives(const QString &current)
{
    QStringList folders = RemovableFolders();
    if (!current.isEmpty() && !folders.contains(current))
        folders.prepend(current);
    if (folders.isEmpty())
        folders.append(QDir::homePath());
    m_drive->clear();
    for (const QString &f : std::as_const(folders))
        m_drive->addItem(QDir::toNativeSeparators(f), f);
    m_drive->setCurrentIndex(current.isEmpty() ? 0 : int(folders.indexOf(current)));
}

void TransferWindow::showEvent(QShowEvent *event)
{
    // A disk may have been put in since the window was last shown.
    fillDrives(folder());
    QWidget::showEvent(event);
}

void TransferWindow::pickFolder()
{
    const QString chosen = chooseFolder ? chooseFolder(folder()) : QString();
    if (chosen.isEmpty())
        return;
    fillDrives(QDir::cleanPath(chosen));
    SaveTransferFolder(m_session.store(), folder());
}

QList<int> TransferWindow::ticked() const
{
    QList<int> out;
    for (int i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i]->isChecked())
            out.append(i);
    return out;
}

void TransferWindow::run(bool isImport)
{
    const QList<int> kinds = ticked();
    for (QLabel *l : std::as_const(m_counts)) l->clear();
    m_progress->setValue(0);
    Transfer transfer(m_session.store());
    transfer.setProgress([this](const TransferProgress &p) {
        m_counts[p.kind]->setText(QString::number(p.count));
        m_progress->setValue(p.total > 0 ? int(p.done * 100 / p.total) : 100);
        // The run holds the only thread: let the window paint what it shows.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    for (QPushButton *b : std::as_const(m_commands)) b->setEnabled(false);
    const QString where = folder();
    m_running = true;
    const TransferResult r =
        isImport ? transfer.importFrom(where, kinds) : transfer.exportTo(where, kinds);
    m_running = false;
    for (QPushButton *b : std::as_const(m_commands)) b->setEnabled(true);
    if (isImport)
        for (int k : kinds)
            if (!r.kinds.contains(k))
                m_boxes[k]->setChecked(false);  // its file is not there
    for (int k : r.kinds) m_counts[k]->setText(QString::number(r.counts.value(k)));
    if (r.completed) {
        m_progress->setValue(100);
        SaveTransferFolder(m_session.store(), where);
        if (isImport)
            Q_EMIT imported();
    }
}

void TransferWindow::closeEvent(QCloseEvent *event)
{
    // A run ends by itself; the window stays until it has.
    if (m_running)
        event->ignore();
    else
        QWidget::closeEvent(event);
}

void TransferWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace remitor
