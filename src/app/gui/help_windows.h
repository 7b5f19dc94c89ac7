#pragma once

#include <QDialog>

namespace remitor {

// "Помощна информация": what the program does and how to work with it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    static QString helpText();
};

// "За програмата", with the folder that holds the databases of this run.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(const QString &dataFolder, QWidget *parent = nullptr);
};

}  // namespace remitor
