#pragma once

#include <QList>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace remitor {

class Session;

// "Трансфер на документи" (frmTransfer): the sixteen kinds with their check
// boxes and running counts, the folder that stands for the drive, export
// and import, and a progress bar. The work is Transfer's; the window only
// collects the ticks and shows how far a run is.
class TransferWindow : public QWidget {
    Q_OBJECT
public:
    explicit TransferWindow(Session &session, QWidget *parent = nullptr);

Q_SIGNALS:
    // An import has written its rows: windows that show stored rows of the
    // lists read them again before anything typed there is written.
    void imported();

public:

    // The folder of the runs (what "Drive1" shows).
    QString folder() const;
    void setFolder(const QString &folder);

    QCheckBox *box(int kind) const { return m_boxes.value(kind); }
    QLabel *countLabel(int kind) const { return m_counts.value(kind); }

    // Asks for the folder; by default the system's folder chooser. Tests
    // answer it themselves.
    std::function<QString(const QString &current)> chooseFolder;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QList<int> ticked() const;
    void run(bool isImport);
    void fillDrives(const QString &current);
    void pickFolder();

    Session &m_session;
    QList<QCheckBox *> m_boxes;
    QList<QLabel *> m_counts;
    QComboBox *m_drive;
    QProgressBar *m_progress;
    QList<QPushButton *> m_commands;
    bool m_running = false;
};

}  // namespace remitor
