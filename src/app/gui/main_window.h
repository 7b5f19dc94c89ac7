#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QToolButton;

namespace remitor {

class Session;

// The program's main window: the title, the menus and the picture buttons.
// It opens every other window (one instance each) and owns the exit
// question.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(Session &session, QWidget *parent = nullptr);

    static QSize normalSize();

    // The action of a menu item or picture button by its object name.
    QAction *action(const QString &objectName) const;
    QToolButton *button(const QString &objectName) const;

    // Opens a window once: later calls show the same instance again.
    QWidget *showSingle(const QString &name, const std::function<QWidget *()> &create);

    void refreshCaption();
    // The Exit command: asks, and closes every window on OK.
    void exitCommand();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                     const std::function<void()> &run = {});
    void buildMenus();
    void buildToolbar();
    void buildTitle();

    Session &m_session;
    QHash<QString, QAction *> m_actions;
    QHash<QString, QPointer<QWidget>> m_windows;
    bool m_exiting = false;
};

}  // namespace remitor
