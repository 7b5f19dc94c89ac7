#pragma once

#include "base/interaction.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace remitor {

// "Записва документ": overwrite the shown document, store it under a new
// number, or cancel (the default, so that Enter cancels).
class SaveDialog : public QDialog {
    Q_OBJECT
public:
    explicit SaveDialog(const SaveChoice &choice, QWidget *parent = nullptr);
    SaveChoice::Result result() const { return m_result; }

    // Shows the dialog beside `editor` (or where it can) and gives the answer.
    static SaveChoice::Result Choose(QWidget *editor, const SaveChoice &choice);

private:
    SaveChoice::Result m_result = SaveChoice::Cancel;
};

// "Търси документ": a search text and the field to search it in.
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    explicit SearchDialog(const QString &lastText, QWidget *parent = nullptr);
    static std::optional<SearchRequest> Ask(QWidget *parent, const QString &lastText);

    SearchRequest request() const;
    bool started() const { return m_started; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void start();
    QLineEdit *m_text;
    QRadioButton *m_fields[3];
    bool m_started = false;
};

// "frmFind": the list of the documents or entries that match, the count,
// paging by 22 lines, and the choice.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PageLines = 22;

    explicit FindDialog(const FindListView &list, QWidget *parent = nullptr);
    // The index of the chosen line, or -1.
    static int Pick(QWidget *parent, const FindListView &list);

    int chosen() const { return m_chosen; }
    QListWidget *list() const { return m_list; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void choose();
    void moveTo(int row);
    FindListView m_view;
    QListWidget *m_list;
    int m_chosen = -1;
};

}  // namespace remitor
